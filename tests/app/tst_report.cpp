// SPDX-License-Identifier: MIT
#include "Files.h"
#include "LabTestSupport.h"

#include "app/LabReport.h"
#include "app/ResultKeeper.h"
#include "app/store/FileLock.h"
#include "app/store/ResultsJournal.h"
#include "logic/JournalFormat.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// What leaves the lab: the report as a PDF, and the teacher's journal.

namespace {

Record::LabResult sample(const std::string& first, const std::string& second) {
    return {"",     "2026-12-07 14:05:09", first, second, {9, 1, {6}}, {7, 3, {2, 5, 9}}, -37, 7,
            "1.0.0"};
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// While one lives, files of this process may grow to `bytes` only, and a write beyond
// fails with "file too large" instead of ending the process.
class SizeLimit {
public:
    explicit SizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limited{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~SizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    Q_DISABLE_COPY_MOVE(SizeLimit)

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A file system of its own, 64 KiB, for a real full disk; root only.
class SmallDisk {
public:
    SmallDisk() {
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                      QStringLiteral("-o"), QStringLiteral("size=64k"),
                                      QStringLiteral("tmpfs"), dir_.path()}) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {dir_.path()});
    }
    Q_DISABLE_COPY_MOVE(SmallDisk)
    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    // Fills what is left, so that the next write finds no room.
    void fill() const {
        QFile filler(QDir(dir_.path()).filePath(QStringLiteral("filler")));
        if (filler.open(QIODevice::WriteOnly))
            while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) {
            }
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { prepareLab(); }
    void pdfHoldsTheResult();
    void olderJournalKeepsItsLines();
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
    void concurrentLabsLoseNoLine();
    void busyJournalIsToldAndKept();
    void saveDialogAsksBeforeReplacing_data();
    void saveDialogAsksBeforeReplacing();
    void unwritablePlacesAreToldAndTheLabGoesOn();
};

void TestReport::pdfHoldsTheResult() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("отчёт.pdf"));
    QVERIFY(LabReport::savePdf(path, sample("Иванов Иван Иванович", "=Петрова, Анна"), nullptr));
    const QString text = pdfText(path);
    for (const char* expected :
         {"Лабораторно-практическое занятие", "Студенты, выполнившие работу:",
          "Иванов Иван Иванович", "=Петрова, Анна", "07.12.2026 14:05",
          "Вводный тест: правильных ответов 9, неправильных 1 Ошибки в вопросах: 6",
          "Практика кодирования: значение Uаим = -37, количество ошибок: 7",
          "Итоговый тест: правильных ответов 7, неправильных 3 Ошибки в вопросах: 2 5 9",
          "версия 1.0.0"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QProcess info; // what a PDF viewer shows in its title bar and document properties
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished() &&
            info.readAllStandardOutput().contains("Title:           Отчёт: нелинейный кодер\n"
                                                  "Creator:         Нелинейный кодер 1.0.0\n"));
}

// A journal that an earlier lab began: its lines stay as they were, its header gains the new
// columns, and both kinds of lines read back.
void TestReport::olderJournalKeepsItsLines() {
    QTemporaryDir dir;
    const ResultsJournal journal(dir.path());
    const QByteArray olderLine = "2026-12-01 10:00:00,Иванов,,9,7,2 5 9,-37,7\n";
    QVERIFY(writeFile(journal.path(), kOlderJournalHeader + ('\n' + olderLine)));
    QVERIFY(journal.append(sample("Петрова", ""), nullptr));
    const QStringList lines = journalLines(journal);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].endsWith(u",Ошибки в вопросах вводного теста,Идентификатор результата"));
    QCOMPARE(lines[1] + '\n', QString::fromUtf8(olderLine));
    const Record::JournalReading reading = Record::readJournal(lines.join('\n').toStdString());
    QCOMPARE(reading.results.size(), std::size_t(2));
    QVERIFY(!reading.results[0].intro.questionsKnown);
    QCOMPARE(reading.results[1].intro.wrongQuestions, std::vector<int>{6});
}

// Whatever fails on the way to the disk fails the whole save: the earlier file stays byte for
// byte, no part of the new one is left, the student is told, and nothing is claimed.
void TestReport::failedWriteKeepsTheEarlierFile_data() {
    QTest::addColumn<QString>("what"); // the journal, a saved report, a report printed to a file
    QTest::addColumn<bool>("earlier");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    const QString tooLarge = QStringLiteral("файл превысил допустимый размер");
    const QString noRoom = QStringLiteral("на диске нет свободного места");
    QTest::newRow("journal, size limit") << "journal" << true << false << tooLarge;
    QTest::newRow("new report, size limit") << "save" << false << false << tooLarge;
    QTest::newRow("replaced report, size limit") << "save" << true << false << tooLarge;
    QTest::newRow("printed to a file, size limit") << "print" << true << false << tooLarge;
    QTest::newRow("journal, full disk") << "journal" << true << true << noRoom;
    QTest::newRow("new report, full disk") << "save" << false << true << noRoom;
    QTest::newRow("replaced report, full disk") << "save" << true << true << noRoom;
}

void TestReport::failedWriteKeepsTheEarlierFile() {
    QFETCH(QString, what);
    QFETCH(bool, earlier);
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    SmallDisk disk;
    QTemporaryDir plain;
    if (fullDisk && !disk.mounted())
        QSKIP("a file system of its own needs root");
    const QString folder = fullDisk ? disk.path() : plain.path();
    const ResultsJournal results(folder);
    const QString report = QDir(folder).filePath(QStringLiteral("отчёт.pdf"));
    for (const char* name : {"Иванов", "Петров", "Сидоров"})
        QVERIFY(results.append(sample(name, ""), nullptr));
    if (earlier)
        QVERIFY(LabReport::savePdf(report, sample("Петрова", ""), nullptr));
    ErrorCapture errors;
    ResultKeeper keeper{results};
    keeper.finalFinished({}, QStringLiteral("Кузнецов"), {}, nullptr);
    QCOMPARE(errors.count(), 0);
    const bool journal = what == u"journal";
    const QString target = journal ? results.path() : report;
    const QByteArray before = bytesOf(target);
    const QStringList filesBefore = filesIn(folder);
    ResultKeeper::setDialogs({[&report](QWidget*, const QString&) { return report; },
                              [&report](QWidget*, QPrinter& printer) {
                                  printer.setOutputFileName(report);
                                  return true;
                              }});
    {
        const SizeLimit limit(fullDisk ? RLIM_INFINITY
                                       : rlim_t(QFileInfo(results.path()).size() + 50));
        if (fullDisk)
            disk.fill();
        if (journal)
            keeper.finalFinished({}, QStringLiteral("Кузнецова"), {}, nullptr);
        else if (what == u"save")
            keeper.saveReport(nullptr);
        else
            keeper.printReport(nullptr);
    }
    QFile::remove(QDir(folder).filePath(QStringLiteral("filler")));
    QCOMPARE(errors.count(), 1);
    const QString told = journal ? QStringLiteral("Результат не записан в журнал ")
                                 : QStringLiteral("Отчёт не сохранён в файл ");
    QCOMPARE(errors.last().text.left(told.size()), told);
    QVERIFY2(errors.last().text.contains(reason), qPrintable(errors.last().text));
    QCOMPARE(errors.last().text.count(QDir::toNativeSeparators(target)), 1);
    QCOMPARE(errors.last().caption, "Ошибка записи");
    QCOMPARE(bytesOf(target), before);
    QCOMPARE(filesIn(folder), filesBefore);
    // With room again, the next result is written whole.
    if (journal) {
        keeper.finalFinished({}, QStringLiteral("Кузнецова"), {}, nullptr);
        QCOMPARE(journalLines(results).size(), 7);
    }
}

// Eight labs of one account finish fifty final tests each at the same moment: every line is
// there once and whole.
void TestReport::concurrentLabsLoseNoLine() {
    QTemporaryDir dir;
    const ResultsJournal journal(dir.filePath(QStringLiteral("журнал/нелинейный кодер")));
    constexpr int kLabs = 8, kResults = 50;
    std::vector<pid_t> labs;
    for (int lab = 0; lab < kLabs; ++lab) {
        const pid_t pid = fork();
        if (pid == 0) {
            bool all = true;
            for (int n = 0; n < kResults; ++n)
                all = journal.append(sample("Лаборатория " + std::to_string(lab),
                                            "результат " + std::to_string(n)),
                                     nullptr) &&
                      all;
            _exit(all ? 0 : 1);
        }
        labs.push_back(pid);
    }
    for (const pid_t lab : labs) {
        int status = 0;
        waitpid(lab, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const Record::JournalReading reading =
        Record::readJournal(journalLines(journal).join('\n').toStdString());
    QCOMPARE(reading.skipped, 0);
    std::set<std::pair<std::string, std::string>> seen;
    for (const Record::LabResult& result : reading.results)
        seen.insert({result.student1, result.student2});
    QCOMPARE(int(reading.results.size()), kLabs * kResults);
    QCOMPARE(int(seen.size()), kLabs * kResults);
}

// A lab that cannot get its turn says so within its wait and loses nothing already written.
void TestReport::busyJournalIsToldAndKept() {
    QTemporaryDir dir;
    const ResultsJournal patient(dir.path()), hasty(dir.path(), 300);
    QVERIFY(patient.append(sample("Иванов", ""), nullptr));
    const QByteArray before = bytesOf(patient.path());
    QString reason;
    {
        FileLock hung(patient.path() + QStringLiteral(".lock")); // as a lab that hangs holds it
        QVERIFY(hung.lock(0, nullptr));
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!hasty.append(sample("Петров", ""), &reason));
        QVERIFY(waited.elapsed() >= 300 && waited.elapsed() < 1500);
    }
    QCOMPARE(reason, "он занят другим окном лабораторной работы");
    QCOMPARE(bytesOf(patient.path()), before);
    QVERIFY(hasty.append(sample("Петров", ""), nullptr));
    QCOMPARE(journalLines(patient).size(), 4);
}

// The save dialog adds ".pdf" before it asks about replacing, so no file is replaced unasked;
// the dialog and its question are in Russian.
void TestReport::saveDialogAsksBeforeReplacing_data() {
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("saved");
    QTest::newRow("without suffix") << "старый" << true << "старый.pdf";
    QTest::newRow("with suffix") << "старый.pdf" << true << "старый.pdf";
    QTest::newRow("new") << "новый" << false << "новый.pdf";
}

void TestReport::saveDialogAsksBeforeReplacing() {
    QFETCH(QString, typedName);
    QFETCH(bool, asked);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("старый.pdf"));
    QVERIFY(writeFile(old, "прежний отчёт"));
    ResultKeeper::setDialogs({}); // the real dialogs
    ResultKeeper keeper{ResultsJournal(dir.filePath(QStringLiteral("данные")))};
    keeper.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
    QString question, saveButton, folder;
    // The dialog: the name typed and Enter; the question, when it comes, answered "yes".
    // Each press goes out on its own, as a modal question waits inside it.
    bool typed = false;
    QTimer typing;
    connect(&typing, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            QTimer::singleShot(0, box->button(QMessageBox::Yes), &QAbstractButton::click);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !typed) {
            typed = true;
            saveButton =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->text() +
                ' ' + dialog->selectedNameFilter();
            folder = dialog->directory().absolutePath();
            dialog->setDirectory(dir.path());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(typedName);
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        }
    });
    typing.start(50);
    keeper.saveReport(nullptr);
    QCOMPARE(saveButton, "&Сохранить Документ PDF (*.pdf)");
    QCOMPARE(folder, QDir::homePath()); // the documents folder, or home where there is none
    QCOMPARE(question.isEmpty(), !asked);
    if (asked)
        QVERIFY2(question.contains(u"уже существует"), qPrintable(question));
    // One student, no wrong answer.
    const QString text = pdfText(dir.filePath(saved));
    QVERIFY2(text.contains(u"Студент, выполнивший работу: Иванов") &&
                 text.contains(u"неправильных 0 Ошибки в вопросах: нет"),
             qPrintable(text));
    QCOMPARE(bytesOf(old) == "прежний отчёт", !asked);
}

void TestReport::unwritablePlacesAreToldAndTheLabGoesOn() {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("файл"));
    QVERIFY(writeFile(blocker, {}));
    ErrorCapture errors;
    // The journal's folder cannot be made: a file stands in its way.
    ResultKeeper keeper{ResultsJournal(blocker + QStringLiteral("/журнал"))};
    keeper.practiceFinished(-37, 7);
    keeper.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
    QVERIFY(errors.last().text.startsWith(QStringLiteral("Результат не записан в журнал")));
    // The result stays for the report, the last coding run's errors with it.
    QCOMPARE(QString::fromStdString(Record::csvLine(keeper.result())).section(',', 1, 7),
             "Иванов,,0,10,,-37,7");
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
