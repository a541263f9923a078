// SPDX-License-Identifier: MIT
#include "TestServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlError>

namespace TestServer {

namespace {

// The server's variables as the start script recorded them.
QString variable(const char* name) {
    QFile env(qEnvironmentVariable("LAB_TEST_SERVER") + QStringLiteral("/env"));
    if (!env.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : env.readAll().split('\n'))
        if (line.startsWith(QByteArray(name) + '='))
            return QString::fromUtf8(line.mid(int(qstrlen(name)) + 1));
    return {};
}

} // namespace

int port() {
    return variable("PGPORT").toInt();
}

bool control(const char* mode) {
    return QProcess::execute(QStringLiteral("bash"),
                             {qEnvironmentVariable("LAB_TEST_SERVER_CONTROL"),
                              QString::fromLatin1(mode),
                              qEnvironmentVariable("LAB_TEST_SERVER")}) == 0;
}

bool makeJournal(const QString& database) {
    QProcess psql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"PGHOST", "PGPORT", "PGUSER", "PGPASSWORD"})
        env.insert(QString::fromLatin1(name), variable(name));
    psql.setProcessEnvironment(env);
    // The roles are the server's: every journal made before holds grants to them, so all go.
    psql.start(QStringLiteral("psql"),
               {"-At", "-d", "postgres", "-c",
                "SELECT datname FROM pg_database WHERE datname NOT IN "
                "('postgres', 'template0', 'template1')"});
    psql.waitForFinished(60000);
    QStringList journals = QString::fromUtf8(psql.readAllStandardOutput())
                               .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!journals.contains(database))
        journals << database;
    QStringList statements;
    for (const QString& journal : journals)
        statements << QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(journal);
    // Then as the administrator makes it: the shipped SQL in the new database.
    statements << "DROP ROLE IF EXISTS lab_writer" << "DROP ROLE IF EXISTS lab_teacher"
               << "DROP ROLE IF EXISTS lab_stranger"
               << "CREATE ROLE lab_stranger LOGIN PASSWORD '" + kWriterPassword + "'"
               << QStringLiteral("CREATE DATABASE \"%1\"").arg(database)
               << QStringLiteral("\\connect \"%1\"").arg(database);
    QStringList args{"-q", "-v", "ON_ERROR_STOP=1", "-d", "postgres"};
    for (const QString& sql : statements)
        args << QStringLiteral("-c") << sql;
    psql.start(QStringLiteral("psql"), args << "-v"
                                            << "writer_password=" + kWriterPassword << "-v"
                                            << "teacher_password=" + kTeacherPassword << "-f"
                                            << LAB_SOURCE_DIR "/packaging/class-journal.sql");
    const bool made = psql.waitForFinished(60000) && psql.exitCode() == 0;
    if (!made)
        qWarning("%s", psql.readAllStandardError().constData());
    return made;
}

QSqlDatabase connect(const QString& name, const QString& database, const QString& user,
                     const QString& password) {
    QSqlDatabase db = QSqlDatabase::contains(name)
                          ? QSqlDatabase::database(name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.close();
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(port());
    db.setDatabaseName(database);
    db.setUserName(user == QLatin1String("postgres") ? variable("PGUSER") : user);
    db.setPassword(user == QLatin1String("postgres") ? variable("PGPASSWORD") : password);
    if (!db.open())
        qWarning("cannot connect as %s: %s", qPrintable(user), qPrintable(db.lastError().text()));
    return db;
}

void writeSettings(const QStringList& lines, const char* where) {
    const QString folder = qEnvironmentVariable(where) + QStringLiteral("/nonlinear-coder-lab");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/class-journal.conf"));
    if (lines.isEmpty()) {
        file.remove();
        return;
    }
    if (file.open(QIODevice::WriteOnly))
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

QStringList writerSettings(const QString& database, const QString& password) {
    return {QStringLiteral("[server]"),
            QStringLiteral("host=127.0.0.1"),
            QStringLiteral("port=%1").arg(port()),
            QStringLiteral("database=") + database,
            QStringLiteral("user=lab_writer"),
            QStringLiteral("password=") + password,
            QStringLiteral("connect_timeout=2")};
}

} // namespace TestServer
