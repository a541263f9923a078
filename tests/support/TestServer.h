// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The private PostgreSQL server the test command starts (tools/test_server.sh), and the
// class journal made on it with the shipped SQL, as an administrator makes it.
namespace TestServer {

// The server's port; 0 when the test command started none.
int port();
// Runs the server's control: "stop", "resume", "freeze", "thaw".
bool control(const char* mode);
// A new class journal database with its two roles, from the shipped SQL, and a role that
// may log in to the server but not to the journal (lab_stranger, the writer's password).
// The server's other databases go, for they hold grants to the roles. False when psql refused.
bool makeJournal(const QString& database);
// A connection as a role of the server, opened; `name` names it among the program's.
QSqlDatabase connect(const QString& name, const QString& database, const QString& user,
                     const QString& password);
// The password of each role the shipped SQL makes.
inline const QString kWriterPassword = QStringLiteral("пишет-только");
inline const QString kTeacherPassword = QStringLiteral("читает");

// The lab's settings file for the class journal in the user's settings folder, or with
// "XDG_CONFIG_DIRS" in the system's (both pointed at folders of the test's): the given
// lines, or none at all.
void writeSettings(const QStringList& lines, const char* where = "XDG_CONFIG_HOME");
// The lines that reach the test server's journal as the lab's writer.
QStringList writerSettings(const QString& database, const QString& password = kWriterPassword);

} // namespace TestServer
