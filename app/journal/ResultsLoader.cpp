// SPDX-License-Identifier: MIT
#include "app/journal/ResultsLoader.h"

#include "app/store/ClassJournal.h"
#include "app/store/JournalSettings.h"
#include "app/store/SafeFile.h"
#include "logic/JournalFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <unordered_set>

namespace ResultsLoader {

namespace {

// What the teacher is told when the server would not give the results.
QString failureText(const QString& message) {
    const ClassJournal::Failure failure = ClassJournal::failureOf(message);
    if (failure == ClassJournal::Failure::NotAllowed)
        return QStringLiteral("этой роли не разрешено читать журнал группы");
    return ClassJournal::reasonOf(failure);
}

Record::TestScore scoreOf(const QVariant& right, const QVariant& wrongList) {
    Record::TestScore score;
    score.right = right.toInt();
    score.wrong = Knowledge::kQuestionCount - score.right;
    score.wrongQuestions =
        Record::parseQuestionList(wrongList.toString().toStdString()).value_or(std::vector<int>());
    return score;
}

// Reads the open connection's results into `loading`.
void readResults(const QSqlDatabase& db, Loading& loading, const Progress& progress) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    int total = 0;
    if (query.exec(QStringLiteral("SELECT count(*) FROM lab.results")) && query.next())
        total = query.value(0).toInt();
    if (!query.exec(QStringLiteral(
            "SELECT id::text, to_char(finished_at, 'YYYY-MM-DD HH24:MI:SS'), student1, student2,"
            " intro_right, array_to_string(intro_wrong, ' '), final_right,"
            " array_to_string(final_wrong, ' '), practice_value, practice_errors, lab_version"
            " FROM lab.results ORDER BY finished_at, id"))) {
        loading.serverFailure = failureText(query.lastError().text());
        return;
    }
    loading.results.reserve(std::size_t(total));
    while (query.next()) {
        Record::LabResult result;
        result.id = query.value(0).toString().toStdString();
        result.finishedAt = query.value(1).toString().toStdString();
        result.student1 = query.value(2).toString().toStdString();
        result.student2 = query.value(3).toString().toStdString();
        result.intro = scoreOf(query.value(4), query.value(5));
        result.final = scoreOf(query.value(6), query.value(7));
        result.practiceValue = query.value(8).toInt();
        result.practiceErrors = query.value(9).toInt();
        result.version = query.value(10).toString().toStdString();
        loading.results.push_back(std::move(result));
        if (progress && loading.results.size() % 4096 == 0)
            progress(int(loading.results.size()), total);
    }
}

} // namespace

QStringList csvFiles(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList inside;
        QDirIterator found(path, {QStringLiteral("*.csv")}, QDir::Files | QDir::Readable,
                           QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (found.hasNext())
            inside << found.next();
        inside.sort();
        files << inside;
    }
    return files;
}

Loading readFiles(const QStringList& paths, const Progress& progress) {
    Loading all; // every file's results, each id kept once at the end
    const QStringList files = csvFiles(paths);
    for (int i = 0; i < files.size(); ++i) {
        if (progress)
            progress(i, int(files.size()));
        const QString name = QDir::toNativeSeparators(files[i]);
        QByteArray text;
        QString reason;
        if (!SafeFile::read(files[i], &text, &reason)) {
            all.problems << name + QStringLiteral(": ") + reason;
            continue;
        }
        Record::JournalReading reading =
            Record::readJournal(std::string_view(text.constData(), std::size_t(text.size())));
        if (!reading.valid) {
            all.problems << name + QStringLiteral(": не журнал лабораторной работы");
            continue;
        }
        all.results.insert(all.results.end(), std::make_move_iterator(reading.results.begin()),
                           std::make_move_iterator(reading.results.end()));
        all.skipped += reading.skipped;
    }
    Loading loading;
    merge(loading, std::move(all));
    return loading;
}

Loading readServer(const JournalSettings& login, const Progress& progress) {
    Loading loading;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        loading.serverFailure =
            QStringLiteral("нет драйвера PostgreSQL для Qt (пакет libqt6sql6-psql)");
        return loading;
    }
    static std::atomic<int> count{0};
    const QString name = QStringLiteral("teacher-view-%1").arg(++count);
    {
        QSqlDatabase db = login.addConnection(name);
        if (db.open())
            readResults(db, loading, progress);
        else
            loading.serverFailure = failureText(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return loading;
}

void merge(Loading& into, Loading more) {
    std::unordered_set<std::string> ids;
    for (const Record::LabResult& result : into.results)
        if (!result.id.empty())
            ids.insert(result.id);
    into.results.reserve(into.results.size() + more.results.size());
    for (Record::LabResult& result : more.results)
        if (result.id.empty() || ids.insert(result.id).second)
            into.results.push_back(std::move(result));
    into.problems << more.problems;
    into.skipped += more.skipped;
    if (into.serverFailure.isEmpty())
        into.serverFailure = more.serverFailure;
}

} // namespace ResultsLoader
