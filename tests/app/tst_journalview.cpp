// SPDX-License-Identifier: MIT
#include "Files.h"
#include "PdfText.h"
#include "TestServer.h"

#include "app/journal/ConnectionDialog.h"
#include "app/journal/JournalWindow.h"
#include "app/journal/ResultsExport.h"
#include "app/journal/ResultsFilterModel.h"
#include "app/journal/ResultsLoader.h"
#include "app/journal/ResultsModel.h"
#include "app/journal/SummaryReport.h"
#include "app/store/ClassJournal.h"
#include "app/store/Outbox.h"
#include "foundation/LabStyle.h"
#include "logic/JournalFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The teacher's view of four results worked out by hand: three in a journal of today's lab
// on one PC (one of them again on another PC), one in an earlier lab's journal that did not
// keep the intro test's questions.

namespace {

const QString kDatabase = QStringLiteral("lab_journal_view");

// Each result is told by its Uаим: 1 is -37, 2 is 1000, 3 is 5, 4 is -2000; as a journal's
// lines, with the intro test's wrong questions and the id last.
Record::LabResult result(int n) {
    static const char* const lines[] = {
        "2026-12-01 10:00:00,Иванов Иван,Петрова Анна,8,7,1 2 9,-37,2,2 5,",
        "2026-12-03 11:30:00,'=Сидоров,,10,9,2,1000,0,,",
        "2026-12-05 09:15:00,Кузнецова Мария,Иванова Ольга,6,4,1 2 3 4 5 9,5,7,1 3 5 7,",
        "2026-12-10 14:05:09,ёлкин Олег,,9,10,,-2000,3,5,"};
    const std::string line =
        lines[n - 1] + std::string("00000000-0000-0000-0000-00000000000") + char('0' + n);
    return Record::readJournal(Record::csvHeader() + '\n' + line + '\n').results.at(0);
}

// The test server's journal as the teacher's role, or as another.
JournalSettings login(const QString& user = QStringLiteral("lab_teacher"),
                      const QString& password = TestServer::kTeacherPassword) {
    JournalSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = TestServer::port();
    settings.database = kDatabase;
    settings.user = user;
    settings.password = password;
    return settings;
}

QString numbers(const std::vector<const Record::LabResult*>& results) {
    QString told;
    for (const Record::LabResult* r : results)
        told += QString::number(QList<int>{-37, 1000, 5, -2000}.indexOf(r->practiceValue) + 1);
    return told;
}

} // namespace

class TestJournalView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void datesAsKeys_data();
    void datesAsKeys();
    void summaryOfTheShownResults_data();
    void summaryOfTheShownResults();
    void sortsByColumn_data();
    void sortsByColumn();
    void exportReadsBack();
    void summaryPdfReadsBack();
    void fromTheClassJournal();
    void connectionRemembersAllButThePassword();
    void serverRefusals_data();
    void serverRefusals();
    void windowFiltersAndTellsTheServerDown();

private:
    QTemporaryDir folder_, out_, config_;
    ResultsModel results_;
    ResultsFilterModel shown_{&results_};
};

void TestJournalView::initTestCase() {
    LabStyle::setUpApplication(*qApp);
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    std::string today = Record::csvHeader() + '\n';
    for (const int n : {4, 1, 2}) // a journal's lines need not be in the order of their dates
        today += Record::csvLine(result(n)) + '\n';
    QVERIFY(writeFile(folder_.filePath("pc1/results.csv"), QByteArray::fromStdString(today)));
    QVERIFY(writeFile(folder_.filePath("pc2/results.csv"),
                      kOlderJournalHeader + QByteArray("\n2026-12-05 09:15:00,Кузнецова Мария,"
                                                       "Иванова Ольга,6,4,1 2 3 4 5 9,5,7\n")));
    QVERIFY(writeFile(
        folder_.filePath("pc3/deep/results.csv"),
        QByteArray::fromStdString(Record::csvHeader() + '\n' + Record::csvLine(result(2)) + '\n')));
    QVERIFY(writeFile(folder_.filePath("pc3/other.csv"), "Имя,Фамилия\nА,Б\n"));
    const ResultsLoader::Loading loading = ResultsLoader::readFiles({folder_.path()});
    QCOMPARE(loading.problems.size(), 1);
    QVERIFY(loading.problems[0].endsWith(u"other.csv: не журнал лабораторной работы"));
    results_.setRows(JournalRow::rowsOf(loading.results));
    QCOMPARE(results_.rowCount(), 4);
}

// A date of another form is no date: shown as it is written, outside every period.
void TestJournalView::datesAsKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("key");
    QTest::newRow("the journal's form") << "2026-12-07 14:05:09" << Q_INT64_C(20261207140509);
    QTest::newRow("a letter for a digit") << "2026-12-0x 14:05:09" << Q_INT64_C(-1);
    QTest::newRow("a colon for a dash") << "2026:12-07 14:05:09" << Q_INT64_C(-1);
    QTest::newRow("no seconds") << "2026-12-07 14:05" << Q_INT64_C(-1);
}

void TestJournalView::datesAsKeys() {
    QFETCH(QString, text);
    QFETCH(qint64, key);
    QCOMPARE(JournalRow::timeKey(text.toStdString()), key);
}

// Shares over the results that kept their questions, the scores, the means: by hand.
void TestJournalView::summaryOfTheShownResults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int>>("intro");  // known, then wrong per question
    QTest::addColumn<QList<int>>("final");  // known, then wrong per question
    QTest::addColumn<QList<int>>("scores"); // results with 0..10 right in the final test
    QTest::addColumn<QList<double>>("means");
    const QDate any;
    QTest::newRow("all") << "" << any << any << "1234" << QList{3, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0}
                         << QList{4, 2, 3, 1, 1, 1, 0, 0, 0, 2, 0}
                         << QList{0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 1} << QList{8.25, 7.5, 3.0};
    QTest::newRow("name in either column, any case")
        << "ИВАНОВ" << any << any << "13" << QList{1, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0}
        << QList{2, 2, 2, 1, 1, 1, 0, 0, 0, 2, 0} << QList{0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0}
        << QList{7.0, 5.5, 4.5};
    QTest::newRow("е for ё, blanks")
        << " Елкин " << any << any << "4" << QList{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}
        << QList{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << QList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}
        << QList{9.0, 10.0, 3.0};
    QTest::newRow("period, both days in")
        << "" << QDate(2026, 12, 3) << QDate(2026, 12, 5) << "23"
        << QList{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << QList{2, 1, 2, 1, 1, 1, 0, 0, 0, 1, 0}
        << QList{0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0} << QList{8.0, 6.5, 3.5};
    QTest::newRow("the last day, late")
        << "" << QDate(2026, 12, 10) << QDate(2026, 12, 10) << "4"
        << QList{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0} << QList{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
        << QList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1} << QList{9.0, 10.0, 3.0};
    QTest::newRow("from a day on")
        << "" << QDate(2026, 12, 4) << any << "34" << QList{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}
        << QList{2, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0} << QList{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}
        << QList{7.5, 7.0, 5.0};
    QTest::newRow("nobody") << "Орлов" << any << any << "" << QList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                            << QList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                            << QList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << QList{0.0, 0.0, 0.0};
}

void TestJournalView::summaryOfTheShownResults() {
    QFETCH(QString, name);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, shown);
    QFETCH(QList<int>, intro);
    QFETCH(QList<int>, final);
    QFETCH(QList<int>, scores);
    QFETCH(QList<double>, means);
    shown_.sort(ResultsModel::When);
    shown_.setNamePart(name);
    shown_.setPeriod(from, to);
    QCOMPARE(numbers(shown_.shownResults()), shown);
    const Record::ClassSummary summary = shown_.summary();
    const auto questions = [](const Record::ClassSummary::Questions& test) {
        return QList<int>{test.known} + QList<int>(test.wrong.begin(), test.wrong.end());
    };
    QCOMPARE(questions(summary.intro()), intro);
    QCOMPARE(questions(summary.final()), final);
    QList<int> spread;
    for (int right = 0; right <= 10; ++right)
        spread << summary.finalScores(right);
    QCOMPARE(spread, scores);
    QCOMPARE(QList({summary.meanIntro(), summary.meanFinal(), summary.meanCodingErrors()}), means);
}

// Numbers as numbers, dates as dates, names in Russian alphabetical order; a list nobody kept
// first.
void TestJournalView::sortsByColumn_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("order");
    QTest::newRow("date") << int(ResultsModel::When) << false << "1234";
    QTest::newRow("date, latest first") << int(ResultsModel::When) << true << "4321";
    QTest::newRow("first student: signs, then ё beside е")
        << int(ResultsModel::Student1) << false << "2413";
    QTest::newRow("second student: none first, by date")
        << int(ResultsModel::Student2) << false << "2431";
    QTest::newRow("intro score") << int(ResultsModel::IntroRight) << false << "3142";
    QTest::newRow("intro questions") << int(ResultsModel::IntroWrong) << false << "3214";
    QTest::newRow("final score, best first") << int(ResultsModel::FinalRight) << true << "4213";
    QTest::newRow("final questions") << int(ResultsModel::FinalWrong) << false << "4312";
    QTest::newRow("Uаим") << int(ResultsModel::Uaim) << false << "4132";
    QTest::newRow("coding errors") << int(ResultsModel::CodingErrors) << false << "2143";
}

void TestJournalView::sortsByColumn() {
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QString, order);
    shown_.setNamePart({});
    shown_.setPeriod({}, {});
    shown_.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    QCOMPARE(numbers(shown_.shownResults()), order);
}

// The shown rows, in the shown order, as a journal any reader of the lab's journals reads.
void TestJournalView::exportReadsBack() {
    shown_.setNamePart({});
    shown_.setPeriod(QDate(2026, 12, 3), {});
    shown_.sort(ResultsModel::Uaim, Qt::DescendingOrder);
    const QString path = out_.filePath("shown.csv");
    QVERIFY(ResultsExport::saveCsv(path, shown_.shownResults(), nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("\n2026-12-03 11:30:00,'=Сидоров,,10,9,2,1000,0,,"));
    const Record::JournalReading reading = Record::readJournal(text.toStdString());
    QStringList read; // the older journal's result without its intro test's questions or id
    for (const Record::LabResult& r : reading.results)
        read << QString::fromStdString(Record::csvLine(r));
    QCOMPARE(read, QStringList({QString::fromStdString(Record::csvLine(result(2))),
                                "2026-12-05 09:15:00,Кузнецова Мария,Иванова Ольга,6,4,1 2 3 4 "
                                "5 9,5,7,,",
                                QString::fromStdString(Record::csvLine(result(4)))}));
}

// The summary on paper: what it is of, the table beside the chart, the means.
void TestJournalView::summaryPdfReadsBack() {
    shown_.setNamePart({});
    shown_.setPeriod({}, {});
    const QString path = out_.filePath("summary.pdf");
    QVERIFY(SummaryReport::savePdf(path, shown_.summary(), QStringLiteral("Результатов: 4 из 4."),
                                   nullptr));
    const QString text = pdfText(path, true);
    for (const char* expected :
         {"Лабораторная работа «Нелинейный кодер»: ошибки группы", "Результатов: 4 из 4.",
          "Доля ошибившихся по вопросам", "2 33 % (1 из 3) 75 % (3 из 4)",
          "5 67 % (2 из 3) 25 % (1 из 4)", "10 0 % (0 из 3) 0 % (0 из 4)",
          "Средний балл вводного теста: 8,25", "Средний балл итогового теста: 7,5",
          "Ошибок кодирования в среднем: 3"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
}

// Written as the lab's role, read as the teacher's; the same result from a PC's file once.
void TestJournalView::fromTheClassJournal() {
    if (!TestServer::port())
        QSKIP("no test server: run through the test command or ctest");
    QVERIFY(TestServer::makeJournal(kDatabase));
    const Outbox outbox(out_.filePath(QStringLiteral("outbox")));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(outbox.put(result(n), nullptr));
    QCOMPARE(ClassJournal::deliver(login(QStringLiteral("lab_writer"), TestServer::kWriterPassword),
                                   outbox, 60000)
                 .sent.size(),
             4);
    ResultsLoader::Loading loading = ResultsLoader::readServer(login());
    QCOMPARE(loading.serverFailure, QString());
    ResultsModel results;
    results.setRows(JournalRow::rowsOf(loading.results));
    ResultsFilterModel shown(&results);
    QCOMPARE(numbers(shown.shownResults()), "1234");
    for (int n = 1; n <= 4; ++n) // every field as the lab wrote it
        QCOMPARE(Record::csvLine(loading.results[std::size_t(n - 1)]), Record::csvLine(result(n)));
    const Record::ClassSummary summary = shown.summary();
    QCOMPARE(summary.intro().known, 4);
    QCOMPARE(summary.intro().wrong, (std::array<int, 10>{1, 1, 1, 0, 3, 0, 1, 0, 0, 0}));
    QCOMPARE(summary.final().wrong, (std::array<int, 10>{2, 3, 1, 1, 1, 0, 0, 0, 2, 0}));
    QCOMPARE(summary.meanFinal(), 7.5);
    QCOMPARE(results.data(results.index(1, ResultsModel::When)).toString(), "03.12.2026 11:30:00");
    // The older journal's result has no id: it stays beside the server's.
    ResultsLoader::merge(loading, ResultsLoader::readFiles({folder_.path()}));
    QCOMPARE(loading.results.size(), std::size_t(5));
}

// The lab PCs' server with the teacher's role at first; then what the teacher gave, without the
// password.
void TestJournalView::connectionRemembersAllButThePassword() {
    TestServer::writeSettings({"[server]", "host=journal.example.org", "port=5433",
                               "database=lab_journal", "user=lab_writer", "password=пишет"});
    JournalSettings given = ConnectionDialog::remembered();
    QCOMPARE(QStringList({given.host, given.database, given.user, given.password}),
             QStringList({"journal.example.org", "lab_journal", "lab_teacher", ""}));
    QCOMPARE(given.port, 5433);
    given = {};
    given.host = QStringLiteral("127.0.0.2");
    given.database = QStringLiteral("group_b");
    given.user = QStringLiteral("teacher_b");
    given.password = QStringLiteral("секрет");
    given.sslmode = QStringLiteral("require");
    ConnectionDialog::remember(given);
    const JournalSettings again = ConnectionDialog::remembered();
    QCOMPARE(QStringList({again.host, again.database, again.user, again.sslmode, again.password}),
             QStringList({"127.0.0.2", "group_b", "teacher_b", "require", ""}));
    QCOMPARE(again.port, 5432);
    QFile own(config_.filePath("nonlinear-coder-lab/journal-view.conf"));
    QVERIFY(own.open(QIODevice::ReadOnly));
    QVERIFY(!own.readAll().contains("password"));
    TestServer::writeSettings({});
}

void TestJournalView::serverRefusals_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("told");
    QTest::newRow("wrong password") << ""
                                    << "lab_teacher"
                                    << "угадал"
                                    << "сервер журнала не принял имя или пароль";
    QTest::newRow("the lab's role") << ""
                                    << "lab_writer" << TestServer::kWriterPassword
                                    << "этой роли не разрешено читать журнал группы";
    QTest::newRow("server stopped")
        << "stop"
        << "lab_teacher" << TestServer::kTeacherPassword << "сервер журнала недоступен";
}

void TestJournalView::serverRefusals() {
    QFETCH(QString, server);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, told);
    if (!TestServer::port())
        QSKIP("no test server");
    if (!server.isEmpty())
        QVERIFY(TestServer::control(qPrintable(server)));
    const ResultsLoader::Loading loading = ResultsLoader::readServer(login(user, password));
    TestServer::control("resume");
    QCOMPARE(loading.serverFailure, told);
    QVERIFY(loading.results.empty());
}

// What the teacher sees: the count, the numbers beside the chart follow the filter; a server
// that cannot be reached is told in the window, and what was shown stays.
void TestJournalView::windowFiltersAndTellsTheServerDown() {
    JournalWindow window;
    window.show();
    QSignalSpy loaded(&window, &JournalWindow::loaded);
    window.openFiles({folder_.path()});
    QVERIFY(loaded.wait(10000));
    const auto count = window.findChild<QLabel*>(QStringLiteral("count"));
    QCOMPARE(count->text(), "Показано: 4 из 4");
    window.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("иванов"));
    QCOMPARE(count->text(), "Показано: 2 из 4");
    const auto questions = window.findChild<QTableWidget*>(QStringLiteral("questionTable"));
    QCOMPARE(questions->item(1, 1)->text(), "100 % (1 из 1)");
    QCOMPARE(questions->item(8, 2)->text(), "100 % (2 из 2)");
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("means"))->text(),
             "Средний балл вводного теста: 7\nСредний балл итогового теста: 5,5\n"
             "Ошибок кодирования в среднем: 4,5");
    // Ctrl+R shows all again, whatever the period.
    window.findChild<QCheckBox*>(QStringLiteral("period"))->setChecked(true);
    window.findChild<QDateEdit*>(QStringLiteral("from"))->setDate(QDate(2026, 12, 4));
    QCOMPARE(count->text(), "Показано: 1 из 4");
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(count->text(), "Показано: 4 из 4");
    if (!TestServer::port())
        return;
    QVERIFY(TestServer::control("stop"));
    window.openServer(login());
    QVERIFY(loaded.wait(10000));
    TestServer::control("resume");
    const auto banner = window.findChild<QLabel*>(QStringLiteral("bannerText"));
    QVERIFY(banner->isVisible());
    QVERIFY2(banner->text().startsWith(u"Журнал группы недоступен: сервер журнала недоступен."),
             qPrintable(banner->text()));
    QCOMPARE(count->text(), "Показано: 4 из 4");
}

QTEST_MAIN(TestJournalView)
#include "tst_journalview.moc"
