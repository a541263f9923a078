// SPDX-License-Identifier: MIT
// The teacher's view: its window before anything is open, with a class's results, narrowed
// by a period and a name, the summary, a server that is down, the connection dialog, the
// summary's page, and what a screen reader hears of the window and the dialog.
#include "ShotRegistry.h"

#include "app/journal/ConnectionDialog.h"
#include "app/journal/JournalWindow.h"
#include "app/journal/ResultsFilterModel.h"
#include "app/journal/SummaryReport.h"
#include "logic/JournalFormat.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A class of eight results, as two lab PCs' journals hold them; one of them an earlier
// lab's, without the intro test's questions, one result on both.
void writeClass(const QString& folder) {
    const auto result = [](const char* when, const char* first, const char* second, int intro,
                           std::vector<int> introWrong, std::vector<int> finalWrong, int uaim,
                           int errors, const char* id) {
        Record::LabResult r;
        r.id = id;
        r.finishedAt = when;
        r.student1 = first;
        r.student2 = second;
        r.intro = {intro, 10 - intro, std::move(introWrong)};
        const int wrong = int(finalWrong.size());
        r.final = {10 - wrong, wrong, std::move(finalWrong)};
        r.practiceValue = uaim;
        r.practiceErrors = errors;
        return r;
    };
    const std::vector<Record::LabResult> today{
        result("2026-12-07 10:12:40", "Иванов Иван", "Петрова Анна", 8, {2, 5}, {2, 9}, -37, 2,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f01"),
        result("2026-12-07 10:31:05", "=Сидоров", "", 10, {}, {2}, 1000, 0,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f02"),
        result("2026-12-07 11:02:17", "Ёлкин Олег", "Орлова Мария", 7, {1, 2, 5}, {}, -2000, 3,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f03"),
        result("2026-12-08 09:45:51", "Кузнецова Дарья", "Смирнов Павел", 9, {5}, {2, 5, 9}, 513, 5,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f04"),
        result("2026-12-08 10:20:33", "Волкова Ирина", "", 6, {2, 3, 5, 7}, {9}, 77, 1,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f05"),
        result("2026-12-09 12:05:00", "Соколов Андрей", "Иванова Ольга", 9, {2}, {1, 2}, -1024, 4,
               "6f1c0a52-0d3b-4f7e-9a57-3c1b2d4e5f06"),
    };
    std::string first = Record::csvHeader() + '\n', second = first;
    for (std::size_t i = 0; i < today.size(); ++i)
        (i < 4 ? first : second) += Record::csvLine(today[i]) + '\n';
    second += Record::csvLine(today[1]) + '\n';
    QDir().mkpath(folder + QStringLiteral("/pc1"));
    QDir().mkpath(folder + QStringLiteral("/pc2"));
    for (const auto& [name, text] :
         {std::pair{"/pc1/results.csv", first},
          {"/pc2/results.csv", second},
          {"/pc2/old.csv",
           std::string("Дата и время,Студент 1,Студент 2,Вводный тест: правильных ответов,"
                       "Итоговый тест: правильных ответов,Ошибки в вопросах итогового теста,"
                       "Значение Uаим,Ошибок кодирования\n"
                       "2026-12-01 14:00:00,Новиков Сергей,Фёдорова Вера,5,6,1 2 3 9,2047,7\n"
                       "2026-12-01 14:30:00,Морозова Елена,,7,0,1 2 3 4 5 6 7 8 9 10,-5,2\n")}}) {
        QFile file(folder + QLatin1String(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.data(), qint64(text.size()));
    }
}

void waitForLoad(JournalWindow& window) {
    QEventLoop loop;
    QObject::connect(&window, &JournalWindow::loaded, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lays the window out anew after a change, as the event loop would before the next paint,
// and lets the name field's clear button finish fading in or out (160 ms).
void save(const ShotContext& context, QWidget* widget, const QString& name) {
    QEventLoop settle;
    QTimer::singleShot(400, &settle, &QEventLoop::quit);
    settle.exec();
    context.save(widget, name);
}

const RegisterShots journalShots(QStringLiteral("journal"), [](const ShotContext& context) {
    // The teacher's own settings stay out of the pictures.
    const QTemporaryDir config, data;
    const QByteArray userConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // A text cursor that stays on, whenever the picture is taken.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    writeClass(data.path());

    JournalWindow window;
    window.show();
    save(context, &window, QStringLiteral("journal_empty"));
    // Two folders, so that no temporary path shows in the texts.
    window.openFiles({data.filePath(QStringLiteral("pc1")), data.filePath(QStringLiteral("pc2"))});
    waitForLoad(window);
    save(context, &window, QStringLiteral("journal_results"));
    context.saveSpoken(&window, QStringLiteral("journal"));

    window.findChild<QCheckBox*>(QStringLiteral("period"))->setChecked(true);
    window.findChild<QDateEdit*>(QStringLiteral("from"))->setDate(QDate(2026, 12, 7));
    window.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("иванов"));
    save(context, &window, QStringLiteral("journal_filtered"));
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    save(context, &window, QStringLiteral("journal_summary_filtered"));
    window.findChild<QCheckBox*>(QStringLiteral("period"))->setChecked(false);
    window.findChild<QLineEdit*>(QStringLiteral("name"))->clear();
    save(context, &window, QStringLiteral("journal_summary"));
    context.saveSpoken(&window, QStringLiteral("journal_summary"));

    // A page of the summary as the PDF and the printer get it, at a screen's resolution.
    QImage page(QSize(595, 842), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        SummaryReport::paint(painter, QRect(42, 42, 511, 758), window.shown()->summary(),
                             window.description());
    }
    page.save(QDir(context.directory).filePath(QStringLiteral("journal_page.png")));

    // Nothing listens on port 1: the server is down, and the window says so.
    JournalSettings nowhere;
    nowhere.host = QStringLiteral("127.0.0.1");
    nowhere.port = 1;
    nowhere.database = QStringLiteral("lab_journal");
    nowhere.user = QStringLiteral("lab_teacher");
    window.openServer(nowhere);
    waitForLoad(window);
    save(context, &window, QStringLiteral("journal_server_down"));

    ConnectionDialog dialog;
    dialog.show();
    save(context, &dialog, QStringLiteral("journal_connection"));
    context.saveSpoken(&dialog, QStringLiteral("journal_connection"));
    qputenv("XDG_CONFIG_HOME", userConfig);
    QApplication::setCursorFlashTime(flashTime);
});

} // namespace
