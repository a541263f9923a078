// SPDX-License-Identifier: MIT
#pragma once

#include "app/store/ClassJournal.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QProcess;

// Sends the outbox to the class journal in a process of its own (the lab's program with
// --send-results), so that a slow or dead server never holds up a window and closing the
// lab never waits for the network. Whatever the process has not confirmed stays in the
// outbox for the next time.
class ResultSender : public QObject {
    Q_OBJECT
public:
    explicit ResultSender(QObject* parent = nullptr);
    ~ResultSender() override;

    // Sends now, or once the sending under way has ended (it may have looked at the outbox
    // before the newest result was put in).
    void send();
    bool busy() const { return process_ != nullptr; }

    // The program that sends; by default this one. Replaceable so that a test program can
    // have the lab's do it; an empty text restores the default. Returns the old one.
    static QString setProgram(QString program);

    // The sending process's work: the waiting results of the user's outbox to the class
    // journal of the installed settings; what was done, as lines on the standard output.
    // The exit code: 0 when nothing is left waiting.
    static int sendWaiting();

Q_SIGNALS:
    // What one sending did; busy() tells whether another one has begun.
    void delivered(const ClassJournal::Delivery& delivery);

private:
    static QString program();
    void finished();

    // Longer than any connect timeout the settings allow; a server that hangs after the
    // connection is given up at this point.
    static constexpr int kDeadlineMs = 90 * 1000;
    // Another sender of the account is waited for, in the background.
    static constexpr int kTurnWaitMs = 60 * 1000;

    QProcess* process_ = nullptr;
    QTimer deadline_;
    bool again_ = false;
    bool timedOut_ = false;
};
