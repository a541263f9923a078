// SPDX-License-Identifier: MIT
#include "app/store/ClassJournal.h"

#include "app/store/FileLock.h"
#include "app/store/JournalSettings.h"
#include "app/store/Outbox.h"
#include "logic/ResultRecord.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>

namespace ClassJournal {

namespace {

// Each failure by its word in the lines and its reason for the student.
struct FailureText {
    Failure failure;
    const char* word;
    const char* reason;
};
const std::array<FailureText, 9> kFailures{{
    {Failure::None, "none", ""},
    {Failure::Busy, "busy", "очередь занята другим окном лабораторной работы"},
    {Failure::UnknownHost, "unknown-host", "сервер журнала не найден"},
    {Failure::NoServer, "no-server", "сервер журнала недоступен"},
    {Failure::Timeout, "timeout", "сервер журнала не ответил вовремя"},
    {Failure::Login, "login", "сервер журнала не принял имя или пароль"},
    {Failure::NoJournal, "no-journal", "на сервере нет журнала группы"},
    {Failure::NotAllowed, "not-allowed",
     "журнал группы не принимает результаты с этого компьютера"},
    {Failure::Other, "other", "ошибка сервера журнала"},
}};

const FailureText& textOf(Failure failure) {
    for (const FailureText& text : kFailures)
        if (text.failure == failure)
            return text;
    return kFailures.back();
}

QString arrayOf(const std::vector<int>& questions) {
    return QLatin1Char('{') +
           QString::fromStdString(Record::questionList(questions))
               .replace(QLatin1Char(' '), QLatin1Char(',')) +
           QLatin1Char('}');
}

// One connection to the server for the time of a delivery.
class Connection {
public:
    explicit Connection(const JournalSettings& settings) {
        QSqlDatabase db = settings.addConnection(name_);
        if (!db.open())
            error_ = db.lastError().text();
    }
    ~Connection() {
        { QSqlDatabase::database(name_, false).close(); }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString error() const { return error_; }
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    // A delivery holds one connection at a time.
    const QString name_ = QStringLiteral("class-journal");
    QString error_;
};

} // namespace

Failure failureOf(const QString& message) {
    const QString text = message.toLower();
    const auto has = [&text](const char* words) { return text.contains(QLatin1String(words)); };
    if (has("could not translate host name"))
        return Failure::UnknownHost;
    if (has("timeout expired"))
        return Failure::Timeout;
    // An unknown role is told as a wrong password too, so that no one learns the roles.
    if (has("password"))
        return Failure::Login;
    if (has("does not exist"))
        return Failure::NoJournal;
    if (has("permission denied"))
        return Failure::NotAllowed;
    // Refused, unreachable, lost on the way: the server cannot be reached.
    return Failure::NoServer;
}

QString reasonOf(Failure failure) {
    return QString::fromUtf8(textOf(failure).reason);
}

Delivery deliver(const JournalSettings& settings, const Outbox& outbox, int turnWaitMs) {
    Delivery delivery;
    const auto fail = [&delivery](Failure failure, const QString& message) {
        delivery.failure = failure;
        delivery.message = message;
        return delivery;
    };
    if (!QDir().mkpath(outbox.folder()))
        return fail(Failure::Other, QStringLiteral("cannot make ") + outbox.folder());
    FileLock turn(QDir(outbox.folder()).filePath(QStringLiteral(".lock")));
    QString busy;
    if (!turn.lock(turnWaitMs, &busy))
        return fail(Failure::Busy, busy);
    const QStringList waiting = outbox.waiting();
    if (waiting.isEmpty())
        return delivery;
    const Connection connection(settings);
    if (!connection.error().isEmpty())
        return fail(failureOf(connection.error()), connection.error());
    QSqlQuery insert(connection.database());
    insert.prepare(QStringLiteral(
        "INSERT INTO lab.results (id, finished_at, student1, student2, intro_right, intro_wrong,"
        " final_right, final_wrong, practice_value, practice_errors, lab_version)"
        " VALUES (CAST(? AS uuid), CAST(? AS timestamp), ?, ?, ?, CAST(? AS smallint[]), ?,"
        " CAST(? AS smallint[]), ?, ?, ?) ON CONFLICT DO NOTHING"));
    for (const QString& file : waiting) {
        const std::optional<Record::LabResult> result = outbox.read(file);
        if (!result) { // no result this lab could have made: the server would refuse it too
            outbox.setAside(file);
            delivery.refused << Outbox::idOf(file);
            continue;
        }
        for (const QVariant& value :
             {QVariant(QString::fromStdString(result->id)),
              QVariant(QString::fromStdString(result->finishedAt)),
              QVariant(QString::fromStdString(result->student1)),
              QVariant(QString::fromStdString(result->student2)), QVariant(result->intro.right),
              QVariant(arrayOf(result->intro.wrongQuestions)), QVariant(result->final.right),
              QVariant(arrayOf(result->final.wrongQuestions)), QVariant(result->practiceValue),
              QVariant(result->practiceErrors), QVariant(QString::fromStdString(result->version))})
            insert.addBindValue(value);
        const QString id = QString::fromStdString(result->id);
        if (insert.exec()) {
            outbox.remove(file);
            delivery.sent << id;
            continue;
        }
        const QSqlError error = insert.lastError();
        // Data the server's constraints refuse would be refused every time: set aside.
        const QString state = error.nativeErrorCode();
        if (state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23"))) {
            outbox.setAside(file);
            delivery.refused << id;
            continue;
        }
        return fail(state == QLatin1String("42501")   ? Failure::NotAllowed
                    : state == QLatin1String("42P01") ? Failure::NoJournal
                                                      : failureOf(error.text()),
                    error.text());
    }
    return delivery;
}

QByteArray toLines(const Delivery& delivery) {
    QByteArray lines;
    for (const QString& id : delivery.sent)
        lines += "sent " + id.toUtf8() + '\n';
    for (const QString& id : delivery.refused)
        lines += "refused " + id.toUtf8() + '\n';
    if (delivery.failure != Failure::None)
        lines += QByteArray("failed ") + textOf(delivery.failure).word + ' ' +
                 delivery.message.simplified().toUtf8() + '\n';
    return lines;
}

Delivery fromLines(const QByteArray& lines) {
    Delivery delivery;
    for (const QByteArray& line : lines.split('\n')) {
        const QByteArray word = line.left(line.indexOf(' '));
        const QString rest = QString::fromUtf8(line.mid(word.size() + 1));
        if (word == "sent")
            delivery.sent << rest;
        else if (word == "refused")
            delivery.refused << rest;
        else if (word == "failed") {
            const QString kind = rest.section(QLatin1Char(' '), 0, 0);
            delivery.failure = Failure::Other;
            for (const FailureText& text : kFailures)
                if (kind == QLatin1String(text.word))
                    delivery.failure = text.failure;
            delivery.message = rest.section(QLatin1Char(' '), 1);
        }
    }
    return delivery;
}

} // namespace ClassJournal
