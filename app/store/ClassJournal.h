// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct JournalSettings;
class Outbox;

// The class journal on the PostgreSQL server: the waiting results of an outbox go in, oldest
// first, each removed from the outbox once the server has it. A result carries its id, and
// the server keeps one row per id, so a result sent twice (a crash between the server's
// confirmation and the removal, two PCs' senders at once) is stored once.
namespace ClassJournal {

// Why results are still waiting.
enum class Failure {
    None,
    Busy,        // another sender of this account did not finish within the wait
    UnknownHost, // the server's name is known to no name server
    NoServer,    // nothing answers at the server's address, or the network is gone
    Timeout,     // the server did not answer within the connect timeout
    Login,       // the server refused the role or its password
    NoJournal,   // no such database or table on the server
    NotAllowed,  // the role may not add results
    Other,
};

struct Delivery {
    QStringList sent;    // ids the server has confirmed
    QStringList refused; // ids the server refused as impossible, set aside in the outbox
    Failure failure = Failure::None;
    QString message; // the server's or the network's own words, for the administrator
};

// Sends what waits in the outbox. Only one sender of an account works at a time; another
// waits up to `turnWaitMs` for its turn.
Delivery deliver(const JournalSettings& settings, const Outbox& outbox, int turnWaitMs);

// The failure that a connection's error message tells of.
Failure failureOf(const QString& message);
// What the student is told of a failure, in Russian: "сервер не отвечает".
QString reasonOf(Failure failure);

// A delivery as lines of text, as the sending process reports it, and back.
QByteArray toLines(const Delivery& delivery);
Delivery fromLines(const QByteArray& lines);

} // namespace ClassJournal
