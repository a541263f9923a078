// SPDX-License-Identifier: MIT
#include "Files.h"
#include "LabTestSupport.h"
#include "TestServer.h"

#include "app/ResultKeeper.h"
#include "app/store/ClassJournal.h"
#include "app/store/FileLock.h"
#include "app/store/JournalSettings.h"
#include "app/store/Outbox.h"
#include "app/store/ResultsJournal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A room of lab PCs and one class journal on a real PostgreSQL server: what reaches it, what
// waits while it cannot be reached, and what the lab's role may do there.

namespace {

const QString kDatabase = QStringLiteral("lab_journal");

Record::LabResult resultOf(const std::string& student) {
    return {QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(),
            "2026-12-07 14:05:09",
            student,
            "",
            {9, 1, {6}},
            {8, 2, {1, 2}},
            -37,
            2,
            ""};
}

// What the server holds, as its superuser sees it: rows and distinct ids.
std::pair<int, int> rowsOnServer() {
    QSqlQuery query(
        TestServer::connect(QStringLiteral("admin"), kDatabase, QStringLiteral("postgres"), {}));
    query.exec(QStringLiteral("SELECT count(*), count(DISTINCT id) FROM lab.results"));
    query.next();
    return {query.value(0).toInt(), query.value(1).toInt()};
}

ClassJournal::Delivery deliver(const Outbox& outbox) {
    return ClassJournal::deliver(JournalSettings::installed(), outbox, 60000);
}

} // namespace

class TestClassJournal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void settings_data();
    void settings();
    void writerMayOnlyAdd_data();
    void writerMayOnlyAdd();
    void impossibleResultsAreSetAside();
    void twentyLabsSendTenEach();
    void resultsWaitWhileTheServerIsDown();
    void killedSenderLosesNothing();
    void reportTellsWhereTheResultStands_data();
    void reportTellsWhereTheResultStands();
    void startUpTellsOnceAndSendsWhatWaits();
    void twoLabsOfOneAccountBothHearTheirsSent();
    void closedWhileSendingTheSendingGoesOn();
    void outboxThatCannotBeWrittenIsTold();

private:
    // In the test's own data folder, once it is set.
    ResultsJournal journal_{QStringLiteral("/nonexistent")};
    Outbox outbox_{QString()};
};

void TestClassJournal::initTestCase() {
    prepareLab();
    if (!TestServer::port())
        QSKIP("no test server: run through the test command or ctest");
    QVERIFY(TestServer::makeJournal(kDatabase));
    journal_ = ResultsJournal();
    outbox_ = Outbox(journal_.outboxFolder());
    ResultSender::setProgram(QStringLiteral(LAB_PROGRAM));
}

void TestClassJournal::init() {
    prepareLab();
    QDir(journal_.folder()).removeRecursively();
    TestServer::writeSettings(TestServer::writerSettings(kDatabase));
    QSqlQuery(
        TestServer::connect(QStringLiteral("admin"), kDatabase, QStringLiteral("postgres"), {}))
        .exec(QStringLiteral("TRUNCATE lab.results"));
}

void TestClassJournal::cleanup() {
    TestServer::control("thaw");
    TestServer::control("resume");
}

// The administrator's settings: nothing is no class journal; a mistake is named.
void TestClassJournal::settings_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("told");
    const auto row = [](const char* name, const QStringList& lines, JournalSettings::State state,
                        const char* told) {
        QTest::newRow(name) << lines << int(state) << QString::fromUtf8(told);
    };
    using State = JournalSettings::State;
    const QStringList server{"[server]", "host=db", "database=lab", "user=lab_writer"};
    row("no file", {}, State::NotConfigured, "");
    row("no INI", {"[server", "host=db"}, State::Invalid, "файл настроек нельзя прочитать");
    row("another group only", {"[other]", "host=db"}, State::NotConfigured, "");
    row("enough", server, State::Valid, "");
    row("a service file instead", {"[server]", "service=journal"}, State::Valid, "");
    row("no database", {"[server]", "host=db", "user=u"}, State::Invalid, "не задан ключ database");
    row("no user", {"[server]", "host=db", "database=d"}, State::Invalid, "не задан ключ user");
    row("no host", {"[server]", "database=d", "user=u"}, State::Invalid, "не задан ключ host");
    row("misspelt key", server + QStringList{"hostname=db2"}, State::Invalid,
        "неизвестный ключ hostname");
    row("port a word", server + QStringList{"port=пять"}, State::Invalid,
        "port должен быть числом от 1 до 65535");
    row("port too high", server + QStringList{"port=65536"}, State::Invalid,
        "port должен быть числом от 1 до 65535");
    row("port zero", server + QStringList{"port=0"}, State::Invalid,
        "port должен быть числом от 1 до 65535");
    row("highest port", server + QStringList{"port=65535"}, State::Valid, "");
    row("no timeout", server + QStringList{"connect_timeout=0"}, State::Invalid,
        "connect_timeout должен быть числом секунд от 1 до 60");
    row("longest timeout", server + QStringList{"connect_timeout=60"}, State::Valid, "");
    row("unknown TLS mode", server + QStringList{"sslmode=strict"}, State::Invalid,
        "sslmode должен быть одним из: disable, allow, prefer, require, verify-ca, verify-full");
    row("TLS verified", server + QStringList{"sslmode=verify-full"}, State::Valid, "");
}

void TestClassJournal::settings() {
    QFETCH(QStringList, lines);
    QFETCH(int, state);
    QFETCH(QString, told);
    const QString file = QStringLiteral("/nonlinear-coder-lab/class-journal.conf");
    // In the user's file, then in the system's alone: the file named is the one read.
    for (const char* where : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
        TestServer::writeSettings(lines, where);
        const JournalSettings settings = JournalSettings::installed();
        TestServer::writeSettings({}, where);
        QCOMPARE(int(settings.state), state);
        QCOMPARE(settings.problem, told);
        if (!lines.filter(QStringLiteral("port=")).isEmpty())
            continue;
        QCOMPARE(settings.port, 5432); // PostgreSQL's own
        if (settings.state == JournalSettings::State::Invalid)
            QCOMPARE(settings.file, qEnvironmentVariable(where) + file);
    }
}

// The lab's role may add results and nothing else; the teacher's may read them. The server
// itself refuses the rest.
void TestClassJournal::writerMayOnlyAdd_data() {
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("allowed");
    const QString add = QStringLiteral(
        "INSERT INTO lab.results (id, finished_at, student1, intro_right, intro_wrong, "
        "final_right, final_wrong, practice_value, practice_errors) VALUES "
        "(gen_random_uuid(), now(), 'Иванов', 10, '{}', 10, '{}', 5, 0)");
    const auto row = [](const char* name, const char* role, const QString& sql, bool allowed) {
        QTest::newRow(name) << QString::fromLatin1(role) << sql << allowed;
    };
    row("writer adds", "lab_writer", add, true);
    row("writer reads", "lab_writer", "SELECT * FROM lab.results", false);
    row("writer changes", "lab_writer", "UPDATE lab.results SET final_right = 10", false);
    row("writer deletes", "lab_writer", "DELETE FROM lab.results", false);
    row("writer empties", "lab_writer", "TRUNCATE lab.results", false);
    row("writer makes a table", "lab_writer", "CREATE TABLE lab.notes (t text)", false);
    row("teacher reads", "lab_teacher", "SELECT * FROM lab.results", true);
    row("teacher adds", "lab_teacher", add, false);
    row("teacher deletes", "lab_teacher", "DELETE FROM lab.results", false);
}

void TestClassJournal::writerMayOnlyAdd() {
    QFETCH(QString, role);
    QFETCH(QString, statement);
    QFETCH(bool, allowed);
    QSqlQuery query(TestServer::connect(role, kDatabase, role,
                                        role == u"lab_writer" ? TestServer::kWriterPassword
                                                              : TestServer::kTeacherPassword));
    QCOMPARE(query.exec(statement), allowed);
    // Insufficient privilege.
    const QString refusal = query.lastError().nativeErrorCode();
    QVERIFY2(allowed || refusal == u"42501", qPrintable(refusal));
}

// Results the server's constraints refuse are set aside, told, and keep no other waiting.
void TestClassJournal::impossibleResultsAreSetAside() {
    std::vector<Record::LabResult> results{resultOf("Иванов"), resultOf(""), resultOf("Петров"),
                                           resultOf("Сидоров"), resultOf("Кузнецов")};
    results[2].intro = {11, -1, {}};
    results[3].final.wrongQuestions = {0, 11};
    for (const Record::LabResult& result : results)
        QVERIFY(outbox_.put(result, nullptr));
    const ClassJournal::Delivery delivery = deliver(outbox_);
    QCOMPARE(delivery.failure, ClassJournal::Failure::None);
    QCOMPARE(delivery.sent, (QStringList{QString::fromStdString(results[0].id),
                                         QString::fromStdString(results[4].id)}));
    QCOMPARE(delivery.refused.size(), 3);
    QCOMPARE(rowsOnServer(), std::make_pair(2, 2));
    QVERIFY(outbox_.waiting().isEmpty());
    QCOMPARE(QDir(outbox_.folder() + QStringLiteral("/refused")).entryList(QDir::Files).size(), 3);
}

// Twenty labs of one account each finish ten final tests at once and send them: each
// result reaches the server once, and none is left waiting.
void TestClassJournal::twentyLabsSendTenEach() {
    constexpr int kLabs = 20, kResults = 10;
    std::vector<pid_t> labs;
    for (int lab = 0; lab < kLabs; ++lab) {
        const pid_t pid = fork();
        if (pid == 0) {
            bool whole = true;
            for (int n = 0; n < kResults; ++n) {
                const Record::LabResult result = resultOf("Лаборатория " + std::to_string(lab));
                whole = journal_.append(result, nullptr) && outbox_.put(result, nullptr) &&
                        deliver(outbox_).failure == ClassJournal::Failure::None && whole;
            }
            _exit(whole ? 0 : 1);
        }
        labs.push_back(pid);
    }
    for (const pid_t lab : labs) {
        int status = 0;
        waitpid(lab, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    QCOMPARE(rowsOnServer(), std::make_pair(kLabs * kResults, kLabs * kResults));
    QVERIFY(outbox_.waiting().isEmpty());
    QCOMPARE(journalLines(journal_).size(), 1 + kLabs * kResults + 1);
}

// While the server is stopped, results wait and nothing is claimed sent; once it is back,
// the next start of the lab's sending sends each one once.
void TestClassJournal::resultsWaitWhileTheServerIsDown() {
    QVERIFY(TestServer::control("stop"));
    for (const char* student : {"Иванов", "Петров", "Сидоров"})
        QVERIFY(outbox_.put(resultOf(student), nullptr));
    // Settings it cannot use: it says so and ends with a failure.
    TestServer::writeSettings({"[server]", "host=127.0.0.1"});
    QProcess unset;
    unset.start(QStringLiteral(LAB_PROGRAM), {QStringLiteral("--send-results")});
    QVERIFY(unset.waitForFinished(30000));
    QCOMPARE(unset.exitCode(), 1);
    QCOMPARE(unset.readAllStandardOutput(), "failed other не задан ключ database\n");
    TestServer::writeSettings(TestServer::writerSettings(kDatabase));
    const ClassJournal::Delivery down = deliver(outbox_);
    QCOMPARE(down.failure, ClassJournal::Failure::NoServer);
    QVERIFY(down.sent.isEmpty());
    QCOMPARE(outbox_.waiting().size(), 3);
    QVERIFY(TestServer::control("resume"));
    QProcess sending;
    sending.start(QStringLiteral(LAB_PROGRAM), {QStringLiteral("--send-results")});
    QVERIFY(sending.waitForFinished(30000));
    QCOMPARE(sending.exitCode(), 0);
    QCOMPARE(ClassJournal::fromLines(sending.readAllStandardOutput()).sent.size(), 3);
    QCOMPARE(rowsOnServer(), std::make_pair(3, 3));
    QVERIFY(outbox_.waiting().isEmpty());
}

// The lab's sending process killed while it sends: the next one sends the rest, and what
// reached the server before is not stored twice.
void TestClassJournal::killedSenderLosesNothing() {
    constexpr int kResults = 1000;
    for (int n = 0; n < kResults; ++n)
        QVERIFY(outbox_.put(resultOf("Студент " + std::to_string(n)), nullptr));
    QProcess sending;
    sending.start(QStringLiteral(LAB_PROGRAM), {QStringLiteral("--send-results")});
    QVERIFY(sending.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(rowsOnServer().first > 0, 20000);
    ::kill(pid_t(sending.processId()), SIGKILL);
    QVERIFY(sending.waitForFinished());
    const int before = rowsOnServer().first;
    QVERIFY(before < kResults);
    // Each is on the server or waiting; the one sent as the kill came may be both.
    const int accounted = int(outbox_.waiting().size()) + before;
    QVERIFY(accounted == kResults || accounted == kResults + 1);
    QCOMPARE(deliver(outbox_).failure, ClassJournal::Failure::None);
    QCOMPARE(rowsOnServer(), std::make_pair(kResults, kResults));
    QVERIFY(outbox_.waiting().isEmpty());
}

// The report says where the result stands, in Russian, and the window answers all along,
// even while the server hangs.
void TestClassJournal::reportTellsWhereTheResultStands_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("student");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("waiting");
    const QStringList writer = TestServer::writerSettings(kDatabase);
    const auto with = [](QStringList lines, const char* key, const QString& value) {
        for (QString& line : lines)
            if (line.startsWith(QLatin1String(key) + '='))
                line = QLatin1String(key) + '=' + value;
        return lines;
    };
    const QString later =
        QStringLiteral("Результат сохранён на этом компьютере и будет отправлен в журнал группы "
                       "позже: %1.");
    QTest::newRow("sent") << ""
                          << "Иванов" << writer << "Результат записан в журнал группы." << 0;
    QTest::newRow("server stopped")
        << "stop"
        << "Иванов" << writer << later.arg(u"сервер журнала недоступен") << 1;
    QTest::newRow("server hangs") << "freeze"
                                  << "Иванов" << writer
                                  << later.arg(u"сервер журнала не ответил вовремя") << 1;
    QTest::newRow("wrong password") << ""
                                    << "Иванов" << with(writer, "password", "угадал")
                                    << later.arg(u"сервер журнала не принял имя или пароль") << 1;
    QTest::newRow("unknown host") << ""
                                  << "Иванов" << with(writer, "host", "journal.invalid")
                                  << later.arg(u"сервер журнала не найден") << 1;
    QTest::newRow("no such journal") << ""
                                     << "Иванов" << with(writer, "database", "nope")
                                     << later.arg(u"на сервере нет журнала группы") << 1;
    QTest::newRow("teacher's role on a lab PC")
        << ""
        << "Иванов"
        << with(with(writer, "user", "lab_teacher"), "password", TestServer::kTeacherPassword)
        << later.arg(u"журнал группы не принимает результаты с этого компьютера") << 1;
    QTest::newRow("a role without the journal")
        << ""
        << "Иванов" << with(writer, "user", "lab_stranger")
        << later.arg(u"журнал группы не принимает результаты с этого компьютера") << 1;
    // The writer's password in a libpq password file instead of the settings.
    static const QTemporaryDir secrets;
    QFile passfile(secrets.filePath(QStringLiteral("pgpass")));
    QVERIFY(passfile.open(QIODevice::WriteOnly));
    passfile.write(("*:*:*:lab_writer:" + TestServer::kWriterPassword + '\n').toUtf8());
    passfile.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QTest::newRow("password in a file")
        << ""
        << "Иванов" << with(writer, "password", "") + QStringList{"passfile=" + passfile.fileName()}
        << "Результат записан в журнал группы." << 0;
    QTest::newRow("refused by the server") // no first student: an impossible row
        << ""
        << "" << writer << "Журнал группы не принял результат; он сохранён на этом компьютере."
        << 0;
    QTest::newRow("settings wrong") << ""
                                    << "Иванов" << with(writer, "port", "x")
                                    << "Результат сохранён только на этом компьютере: настройки "
                                       "журнала группы неверны."
                                    << 0;
    QTest::newRow("no class journal") << ""
                                      << "Иванов" << QStringList() << "" << 0;
}

void TestClassJournal::reportTellsWhereTheResultStands() {
    QFETCH(QString, server);
    QFETCH(QString, student);
    QFETCH(QStringList, settings);
    QFETCH(QString, status);
    QFETCH(int, waiting);
    if (!server.isEmpty())
        QVERIFY(TestServer::control(qPrintable(server)));
    TestServer::writeSettings(settings);
    ResultKeeper keeper{journal_};
    QSignalSpy told(&keeper, &ResultKeeper::classJournalStatus);
    // The interface thread's longest pause while the result goes out.
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticks;
    connect(&ticks, &QTimer::timeout,
            [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    ticks.start(10);
    sinceTick.start();
    keeper.introFinished({});
    keeper.finalFinished({}, student, {}, nullptr);
    if (status.isEmpty()) {
        QTest::qWait(500);
        QCOMPARE(told.size(), 0);
        QVERIFY(!QDir(outbox_.folder()).exists());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty() && told.last().first() == status, 20000);
        QVERIFY2(longestPause < 100, qPrintable(QString::number(longestPause)));
    }
    QCOMPARE(int(outbox_.waiting().size()), waiting);
    QCOMPARE(journalLines(journal_).size(), 3); // the local journal, whatever the server does
}

// Once the lab is up: settings it cannot use are told once; results an earlier run left
// waiting go out.
void TestClassJournal::startUpTellsOnceAndSendsWhatWaits() {
    ErrorCapture errors;
    TestServer::writeSettings({"[server]", "host=127.0.0.1", "user=lab_writer"});
    ResultKeeper misconfigured{journal_};
    misconfigured.startUp(nullptr);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.last().caption, "Журнал группы");
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") +
                         QStringLiteral("/nonlinear-coder-lab/class-journal.conf");
    QCOMPARE(errors.last().text,
             QStringLiteral("Журнал группы не подключён: в файле настроек %1 не задан ключ "
                            "database.\nРезультаты сохраняются только на этом компьютере.")
                 .arg(file));
    misconfigured.introFinished({});
    misconfigured.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
    QCOMPARE(errors.count(), 1);

    for (const char* student : {"Иванов", "Петров"})
        QVERIFY(outbox_.put(resultOf(student), nullptr));
    TestServer::writeSettings(TestServer::writerSettings(kDatabase));
    ResultKeeper keeper{journal_};
    keeper.startUp(nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(outbox_.waiting().isEmpty(), 20000);
    QCOMPARE(rowsOnServer(), std::make_pair(2, 2));
    QCOMPARE(errors.count(), 1);
}

// Two labs of one account share the outbox: whichever sender takes both results, each lab
// hears that its own has reached the class journal.
void TestClassJournal::twoLabsOfOneAccountBothHearTheirsSent() {
    ResultKeeper first{journal_}, second{journal_};
    QSignalSpy firstTold(&first, &ResultKeeper::classJournalStatus);
    QSignalSpy secondTold(&second, &ResultKeeper::classJournalStatus);
    {
        // Both senders wait for their turn until both results are in.
        QDir().mkpath(outbox_.folder());
        FileLock turn(outbox_.folder() + QStringLiteral("/.lock"));
        QVERIFY(turn.lock(0, nullptr));
        for (ResultKeeper* lab : {&first, &second}) {
            lab->introFinished({});
            lab->finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
        }
    }
    const QString sent = QStringLiteral("Результат записан в журнал группы.");
    QTRY_VERIFY_WITH_TIMEOUT(!firstTold.isEmpty() && firstTold.last().first() == sent, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!secondTold.isEmpty() && secondTold.last().first() == sent, 20000);
    first.finalFinished({}, QStringLiteral("Петров"), {}, nullptr); // the final test once more
    QTRY_VERIFY_WITH_TIMEOUT(firstTold.last().first() == sent, 20000);
    QCOMPARE(rowsOnServer(), std::make_pair(3, 3));
}

// The lab closed while its result is on the way, the server hanging: the lab ends at once,
// and the result still reaches the server once it answers again.
void TestClassJournal::closedWhileSendingTheSendingGoesOn() {
    QVERIFY(TestServer::control("freeze"));
    QElapsedTimer closing;
    {
        ResultKeeper keeper{journal_};
        keeper.introFinished({});
        keeper.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
        QTest::qWait(200);
        closing.start();
    }
    QVERIFY(closing.elapsed() < 1000);
    QVERIFY(TestServer::control("thaw"));
    QTRY_COMPARE_WITH_TIMEOUT(rowsOnServer(), std::make_pair(1, 1), 20000);
    QTRY_VERIFY(outbox_.waiting().isEmpty());
}

// The outbox cannot be made (a file stands in its place): the result stays on this PC, and
// the report says why.
void TestClassJournal::outboxThatCannotBeWrittenIsTold() {
    QVERIFY(writeFile(outbox_.folder(), {})); // a file where the folder would be
    ResultKeeper keeper{journal_};
    QSignalSpy told(&keeper, &ResultKeeper::classJournalStatus);
    keeper.finalFinished({}, QStringLiteral("Иванов"), {}, nullptr);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.last().first(), "Результат сохранён только на этом компьютере: в пути к файлу "
                                  "стоит файл, а не папка.");
    QCOMPARE(journalLines(journal_).size(), 3);
}

QTEST_MAIN(TestClassJournal)
#include "tst_classjournal.moc"
