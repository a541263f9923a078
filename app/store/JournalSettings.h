// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QString>

class QSettings;

// Where the class journal is: the PostgreSQL server of a room of lab PCs, named once per PC
// by its administrator in the system-wide settings file (on Linux
// /etc/xdg/nonlinear-coder-lab/class-journal.conf), which a user's own file of the same
// name (~/.config/…) may override key by key. Nothing there: results stay on the PC.
struct JournalSettings {
    enum class State { NotConfigured, Valid, Invalid };
    State state = State::NotConfigured;
    QString problem; // Invalid: what is wrong, in Russian
    QString file;    // where the settings were read

    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    QString passfile;
    QString service;
    QString sslmode;
    QString sslrootcert;
    int connectTimeout = 5; // seconds

    // The installed settings, the user's over the system's.
    static JournalSettings installed();
    // The [server] group of one settings object.
    static JournalSettings read(QSettings& settings);

    // libpq's options beyond host, port, database, user and password.
    QString connectOptions() const;
    // A connection to the server of these settings under that name, not yet opened.
    QSqlDatabase addConnection(const QString& name) const;
};
