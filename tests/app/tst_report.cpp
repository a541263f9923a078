// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "app/LabReport.h"
#include "app/ResultKeeper.h"
#include "app/ResultsJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// What leaves the lab: the report as a PDF, and the teacher's journal.

namespace {

Record::LabResult sample(const std::string& first, const std::string& second) {
    return {"2026-12-07 14:05:09", first, second, {9, 1, {6}},
            {7, 3, {2, 5, 9}},     -37,   7,      "1.0.0.0"};
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { prepareLab(); }
    void pdfHoldsTheResult();
    void journalKeepsOneWholeLinePerRun();
    void unwritablePlacesAreToldAndTheLabGoesOn();
    void killedWriterLeavesTheEarlierLines();
};

void TestReport::pdfHoldsTheResult() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("отчёт.pdf"));
    QVERIFY(LabReport::savePdf(path, sample("Иванов Иван Иванович", "Петрова, Анна"), nullptr));
    const QString text = pdfText(path);
    for (const char* expected :
         {"Лабораторно-практическое занятие", "Студенты, выполнившие работу:",
          "Иванов Иван Иванович", "Петрова, Анна", "07.12.2026 14:05",
          "Вводный тест: правильных ответов 9, неправильных 1 Ошибки в вопросах: 6",
          "Практика кодирования: значение Uаим = -37, количество ошибок: 7",
          "Итоговый тест: правильных ответов 7, неправильных 3 Ошибки в вопросах: 2 5 9",
          "версия 1.0.0.0"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(pdfText(path).size() > 200);
    // One student, no wrong answer.
    Record::LabResult alone = sample("Сидоров", "");
    alone.final = {10, 0, {}};
    QVERIFY(LabReport::savePdf(path, alone, nullptr));
    QVERIFY(pdfText(path).contains(QStringLiteral("Студент, выполнивший работу: Сидоров")));
    QVERIFY(pdfText(path).contains(QStringLiteral("неправильных 0 Ошибки в вопросах: нет")));
}

void TestReport::journalKeepsOneWholeLinePerRun() {
    QTemporaryDir dir;
    const ResultsJournal journal(dir.filePath(QStringLiteral("журнал/нелинейный кодер")));
    const std::vector<std::pair<std::string, std::string>> names{
        {"Иванов Иван", ""}, {"О'Брайен, \"Джон\"", "=1+1; Петрова"}, {"\"", ","}};
    for (const auto& [first, second] : names)
        QVERIFY(journal.append(sample(first, second), nullptr));
    const QStringList lines = journalLines(journal);
    QCOMPARE(lines.size(), 1 + int(names.size()) + 1); // the header, a line each, the end
    // The columns, as the teacher's spreadsheet reads them.
    QCOMPARE(lines.first(), "Дата и время,Студент 1,Студент 2,Вводный тест: правильных ответов,"
                            "Итоговый тест: правильных ответов,Ошибки в вопросах итогового "
                            "теста,Значение Uаим,Ошибок кодирования");
    QCOMPARE(lines.last(), QString());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::vector<std::string> fields =
            Record::csvFields(lines[qsizetype(i + 1)].toStdString());
        QCOMPARE(fields,
                 (std::vector<std::string>{"2026-12-07 14:05:09", names[i].first, names[i].second,
                                           "9", "7", "2 5 9", "-37", "7"}));
    }
}

void TestReport::unwritablePlacesAreToldAndTheLabGoesOn() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("файл")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ErrorCapture errors;
    // The journal's folder cannot be made: a file stands in its way.
    ResultKeeper keeper{ResultsJournal(blocker.fileName() + QStringLiteral("/журнал"))};
    keeper.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.last().text.startsWith(QStringLiteral("Результат не записан в журнал")));
    QCOMPARE(errors.last().caption, "Ошибка записи");
    QCOMPARE(keeper.result().student1, "Иванов");
    // A report saved where no file can be: told, and nothing claimed.
    const QString nowhere = blocker.fileName() + QStringLiteral("/отчёт.pdf");
    ResultKeeper::setDialogs({[&nowhere](QWidget*, const QString& proposed) {
                                  return proposed.endsWith(u" Иванов.pdf") ? nowhere : QString();
                              },
                              {}});
    keeper.saveReport(nullptr);
    QCOMPARE(errors.count(), 2);
    QVERIFY(errors.last().text.startsWith(QStringLiteral("Отчёт не сохранён в файл")));
    QVERIFY(!QFile::exists(nowhere));
}

// A writer killed while it writes leaves the journal as it was: every earlier line whole.
void TestReport::killedWriterLeavesTheEarlierLines() {
    QTemporaryDir dir;
    const ResultsJournal journal(dir.path());
    QVERIFY(journal.append(sample("Иванов", ""), nullptr));
    const QStringList before = journalLines(journal);
    // The writer is stopped by the system once its new journal reaches a megabyte: killed in
    // the middle of writing a line of eight.
    const pid_t writer = fork();
    if (writer == 0) {
        const rlimit megabyte{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &megabyte);
        journal.append(sample(std::string(8 << 20, 'x'), ""), nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(writer, &status, 0);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    QCOMPARE(journalLines(journal), before);
    QVERIFY(journal.append(sample("Петрова", ""), nullptr));
    QCOMPARE(journalLines(journal).size(), before.size() + 1);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
