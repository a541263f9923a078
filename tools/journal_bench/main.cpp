// SPDX-License-Identifier: MIT
// The teacher's view against a plain QTableView over a QStandardItemModel (behind a
// QSortFilterProxyModel, for its filter) with the same rows: opening a results.csv of many
// results, and the class journal on a server; sorting by a column; filtering by a part of a
// name. Medians of several runs, each on a fresh window; the longest pause of the window's
// thread is what the teacher would feel as a frozen window.
//   journal_bench [rows] [runs]              results.csv only (100000 rows, 5 runs)
//   journal_bench [rows] [runs] --server S   the class journal too, on a server that
//                                            tools/test_server.sh started with state folder S
//   journal_bench ... --view-only            the view alone, to give a profiler
// Under a headless X server: xvfb-run -a build/tools/journal_bench
#include "app/journal/JournalWindow.h"
#include "app/journal/ResultsFilterModel.h"
#include "app/journal/ResultsModel.h"
#include "app/store/JournalSettings.h"
#include "foundation/CommandLine.h"
#include "foundation/LabStyle.h"
#include "logic/JournalFormat.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <random>

namespace {

const QString kDatabase = QStringLiteral("journal_bench");
const QString kTeacherPassword = QStringLiteral("bench");

std::vector<Record::LabResult> makeResults(int count) {
    const char* surnames[] = {"Иванов",  "Петрова",   "Сидоров",  "Кузнецова", "Смирнов",
                              "Волкова", "Соколов",   "Морозова", "Новиков",   "Фёдорова",
                              "Ёлкин",   "Алексеев",  "Лебедева", "Козлов",    "Егорова",
                              "Павлов",  "Степанова", "Николаев", "Орлова",    "Андреев"};
    const char* initials[] = {"А.", "Б.", "В.", "Г.", "Д.", "Е.", "Ж.", "И.", "К.",
                              "Л.", "М.", "Н.", "О.", "П.", "Р.", "С.", "Т."};
    std::mt19937 random(1);
    const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    std::vector<Record::LabResult> results(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Record::LabResult& r = results[std::size_t(i)];
        r.id = QStringLiteral("00000000-0000-4000-8000-%1")
                   .arg(i, 12, 10, QLatin1Char('0'))
                   .toStdString();
        char when[32];
        std::snprintf(when, sizeof when, "2026-%02d-%02d %02d:%02d:%02d", 1 + pick(12),
                      1 + pick(28), 8 + pick(10), pick(60), pick(60));
        r.finishedAt = when;
        r.student1 =
            std::string(surnames[pick(20)]) + ' ' + initials[pick(17)] + initials[pick(17)];
        if (pick(3) != 0)
            r.student2 = std::string(surnames[pick(20)]) + ' ' + initials[pick(17)];
        for (Record::TestScore* score : {&r.intro, &r.final}) {
            score->wrongQuestions.clear();
            for (int q = 1; q <= 10; ++q)
                if (pick(4) == 0)
                    score->wrongQuestions.push_back(q);
            score->wrong = int(score->wrongQuestions.size());
            score->right = 10 - score->wrong;
        }
        r.practiceValue = pick(4096) - 2048;
        r.practiceErrors = pick(8);
    }
    return results;
}

// Runs `work` from the event loop until `done` says it is over; returns the milliseconds and
// the longest pause of the event loop meanwhile.
std::pair<double, double> timed(const std::function<void()>& work,
                                const std::function<bool()>& done) {
    QElapsedTimer clock, sinceTick;
    double longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    ticks.start(2);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(0, [&] {
        clock.start();
        sinceTick.start();
        work();
        poll.start(1);
    });
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
    return {ms, longest};
}

// The plain table, filled in the window's thread as the simplest program would do it.
struct Plain {
    QStandardItemModel model;
    QSortFilterProxyModel proxy;
    QTableView view;
    Plain() {
        proxy.setSourceModel(&model);
        proxy.setFilterKeyColumn(-1);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        view.setModel(&proxy);
        view.setSortingEnabled(true);
        view.resize(1100, 700);
        view.show();
    }
    void fill(const std::vector<Record::LabResult>& results) {
        model.setColumnCount(9);
        for (const Record::LabResult& r : results) {
            QList<QStandardItem*> row;
            for (const QVariant& value :
                 {QVariant(QString::fromStdString(r.finishedAt)),
                  QVariant(QString::fromStdString(r.student1)),
                  QVariant(QString::fromStdString(r.student2)), QVariant(r.intro.right),
                  QVariant(QString::fromStdString(Record::questionList(r.intro.wrongQuestions))),
                  QVariant(r.final.right),
                  QVariant(QString::fromStdString(Record::questionList(r.final.wrongQuestions))),
                  QVariant(r.practiceValue), QVariant(r.practiceErrors)}) {
                auto* item = new QStandardItem;
                item->setData(value, Qt::DisplayRole);
                row << item;
            }
            model.appendRow(row);
        }
        view.viewport()->repaint();
    }
};

std::vector<Record::LabResult> readCsv(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return Record::readJournal(file.readAll().toStdString()).results;
}

std::vector<Record::LabResult> readServer(const JournalSettings& login) {
    std::vector<Record::LabResult> results;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("plain"));
        db.setHostName(login.host);
        db.setPort(login.port);
        db.setDatabaseName(login.database);
        db.setUserName(login.user);
        db.setPassword(login.password);
        db.open();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT finished_at::text, student1, student2, intro_right,"
                                  " array_to_string(intro_wrong, ' '), final_right,"
                                  " array_to_string(final_wrong, ' '), practice_value,"
                                  " practice_errors FROM lab.results"));
        while (query.next()) {
            Record::LabResult r;
            r.finishedAt = query.value(0).toString().toStdString();
            r.student1 = query.value(1).toString().toStdString();
            r.student2 = query.value(2).toString().toStdString();
            r.intro.right = query.value(3).toInt();
            r.intro.wrongQuestions =
                Record::parseQuestionList(query.value(4).toString().toStdString())
                    .value_or(std::vector<int>());
            r.final.right = query.value(5).toInt();
            r.final.wrongQuestions =
                Record::parseQuestionList(query.value(6).toString().toStdString())
                    .value_or(std::vector<int>());
            r.practiceValue = query.value(7).toInt();
            r.practiceErrors = query.value(8).toInt();
            results.push_back(std::move(r));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plain"));
    return results;
}

// The state folder's superuser, as tools/test_server.sh recorded it.
QMap<QString, QString> serverEnv(const QString& state) {
    QMap<QString, QString> env;
    QFile file(state + QStringLiteral("/env"));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.contains('='))
                env.insert(QString::fromUtf8(line.left(line.indexOf('='))),
                           QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
    return env;
}

// A class journal of these results on the server, made by the shipped SQL; its teacher.
std::optional<JournalSettings> fillServer(const QString& state,
                                          const std::vector<Record::LabResult>& results) {
    const QMap<QString, QString> env = serverEnv(state);
    QProcess psql;
    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (auto it = env.begin(); it != env.end(); ++it)
        system.insert(it.key(), it.value());
    psql.setProcessEnvironment(system);
    const auto run = [&psql](const QStringList& arguments) {
        psql.start(QStringLiteral("psql"), arguments);
        return psql.waitForFinished(120000) && psql.exitCode() == 0;
    };
    if (!run({"-q", "-d", "postgres", "-c",
              "DROP DATABASE IF EXISTS " + kDatabase + " WITH (FORCE)", "-c",
              "DROP ROLE IF EXISTS lab_writer", "-c", "DROP ROLE IF EXISTS lab_teacher", "-c",
              "CREATE DATABASE " + kDatabase}) ||
        !run({"-q", "-d", kDatabase, "-v", "writer_password=bench", "-v",
              "teacher_password=" + kTeacherPassword, "-f",
              QStringLiteral(LAB_SOURCE_DIR "/packaging/class-journal.sql")})) {
        std::fprintf(stderr, "psql: %s\n", psql.readAllStandardError().constData());
        return std::nullopt;
    }
    JournalSettings login;
    login.host = env.value(QStringLiteral("PGHOST"));
    login.port = env.value(QStringLiteral("PGPORT")).toInt();
    login.database = kDatabase;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("fill"));
        db.setHostName(login.host);
        db.setPort(login.port);
        db.setDatabaseName(kDatabase);
        db.setUserName(env.value(QStringLiteral("PGUSER")));
        db.setPassword(env.value(QStringLiteral("PGPASSWORD")));
        db.open();
        QSqlQuery insert(db);
        const auto array = [](const Record::TestScore& s) {
            return QString::fromStdString("'{" + Record::questionList(s.wrongQuestions) + "}'")
                .replace(QLatin1Char(' '), QLatin1Char(','));
        };
        for (std::size_t from = 0; from < results.size(); from += 1000) {
            QStringList rows;
            for (std::size_t i = from; i < std::min(results.size(), from + 1000); ++i) {
                const Record::LabResult& r = results[i];
                rows << QStringLiteral("('%1','%2','%3','%4',%5,%6,%7,%8,%9,%10)")
                            .arg(QString::fromStdString(r.id), QString::fromStdString(r.finishedAt),
                                 QString::fromStdString(r.student1),
                                 QString::fromStdString(r.student2))
                            .arg(r.intro.right)
                            .arg(array(r.intro))
                            .arg(r.final.right)
                            .arg(array(r.final))
                            .arg(r.practiceValue)
                            .arg(r.practiceErrors);
            }
            if (!insert.exec(
                    QStringLiteral("INSERT INTO lab.results (id, finished_at, student1, "
                                   "student2, intro_right, intro_wrong, final_right, "
                                   "final_wrong, practice_value, practice_errors) VALUES ") +
                    rows.join(QLatin1Char(',')))) {
                std::fprintf(stderr, "insert: %s\n", qPrintable(insert.lastError().text()));
                return std::nullopt;
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    login.user = QStringLiteral("lab_teacher");
    login.password = kTeacherPassword;
    return login;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

const CommandLine::Usage kUsage{
    "journal_bench",
    "[СТРОК [ЗАПУСКОВ]]",
    2,
    "Сравнивает окно журнала с простой таблицей QTableView на СТРОК результатов (100000):\n"
    "открытие results.csv и журнала группы, сортировку и отбор; медианы ЗАПУСКОВ (5).\n"
    "Инструмент разработчика: xvfb-run -a journal_bench",
    {{"--server", "ПАПКА", "также журнал группы на сервере tools/test_server.sh с папкой ПАПКА"},
     {"--view-only", nullptr, "только окно журнала (то, что дают профилировщику)"}}};

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv, kUsage))
        return *exitCode;
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    QStringList args = QApplication::arguments().mid(1);
    QString server;
    // The view alone, for a profiler.
    const bool viewOnly = args.removeAll(QStringLiteral("--view-only")) > 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--server"));
        at >= 0 && at + 1 < args.size()) {
        server = args[at + 1];
        args.remove(at, 2);
    }
    const int rows = args.value(0, QStringLiteral("100000")).toInt();
    const int runs = args.value(1, QStringLiteral("5")).toInt();

    const std::vector<Record::LabResult> results = makeResults(rows);
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("results.csv"));
    {
        std::string text = Record::csvHeader() + '\n';
        for (const Record::LabResult& r : results)
            text += Record::csvLine(r) + '\n';
        QFile file(csv);
        file.open(QIODevice::WriteOnly);
        file.write(text.data(), qint64(text.size()));
    }
    std::optional<JournalSettings> login;
    if (!server.isEmpty() && !(login = fillServer(server, results)))
        return 1;

    std::map<std::string, std::vector<double>> figures; // "what|view" → milliseconds per run
    const auto note = [&figures](const std::string& what, const std::pair<double, double>& t) {
        figures[what + "|time"].push_back(t.first);
        figures[what + "|pause"].push_back(t.second);
    };
    // Work that blocks the window's thread until it is done.
    const auto once = [](const std::function<void()>& work) {
        return timed(work, [] { return true; });
    };
    for (int run = 0; run < runs; ++run) {
        for (const bool fromServer : {false, true}) {
            if (fromServer && !login)
                continue;
            const std::string source = fromServer ? "server" : "csv";
            {
                JournalWindow window;
                window.show();
                auto* table = window.findChild<QTableView*>(QStringLiteral("results"));
                bool loaded = false;
                QObject::connect(&window, &JournalWindow::loaded, [&] {
                    table->viewport()->repaint();
                    loaded = true;
                });
                note(
                    "open " + source + "|view",
                    timed([&] { fromServer ? window.openServer(*login) : window.openFiles({csv}); },
                          [&] { return loaded; }));
                if (window.shown()->rowCount() != rows) {
                    std::fprintf(stderr, "the view shows %d rows\n", window.shown()->rowCount());
                    return 1;
                }
                // Sorting and filtering work on the rows alone, wherever they came from.
                if (!fromServer) {
                    note("sort|view", once([&] {
                             table->sortByColumn(ResultsModel::FinalRight, Qt::DescendingOrder);
                             table->viewport()->repaint();
                         }));
                    auto* name = window.findChild<QLineEdit*>(QStringLiteral("name"));
                    note("filter|view", once([&] {
                             name->setText(QStringLiteral("иван"));
                             table->viewport()->repaint();
                         }));
                    note("unfilter|view", once([&] {
                             name->clear();
                             table->viewport()->repaint();
                         }));
                }
            }
            if (viewOnly)
                continue;
            Plain plain;
            note("open " + source + "|plain",
                 once([&] { plain.fill(fromServer ? readServer(*login) : readCsv(csv)); }));
            if (fromServer)
                continue;
            note("sort|plain", once([&] {
                     plain.view.sortByColumn(5, Qt::DescendingOrder);
                     plain.view.viewport()->repaint();
                 }));
            note("filter|plain", once([&] {
                     plain.proxy.setFilterFixedString(QStringLiteral("иван"));
                     plain.view.viewport()->repaint();
                 }));
            note("unfilter|plain", once([&] {
                     plain.proxy.setFilterFixedString(QString());
                     plain.view.viewport()->repaint();
                 }));
        }
    }

    std::printf("%d results, median of %d runs, platform %s; milliseconds\n", rows, runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-34s %10s %10s %12s %12s\n", "", "view", "plain", "view pause", "plain pause");
    for (const char* what : {"open csv", "open server", "sort", "filter", "unfilter"}) {
        const auto of = [&](const char* view, const char* kind) {
            return median(figures[std::string(what) + "|" + view + "|" + kind]);
        };
        if (figures[std::string(what) + "|view|time"].empty())
            continue;
        const std::map<std::string, const char*> names{{"open csv", "open results.csv"},
                                                       {"open server", "open the class journal"},
                                                       {"sort", "sort by final score"},
                                                       {"filter", "filter by a part of a name"},
                                                       {"unfilter", "clear the filter"}};
        std::printf("%-34s %10.1f %10.1f %12.1f %12.1f\n", names.at(what), of("view", "time"),
                    of("plain", "time"), of("view", "pause"), of("plain", "pause"));
    }
    return 0;
}
