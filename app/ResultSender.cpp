// SPDX-License-Identifier: MIT
#include "app/ResultSender.h"

#include "app/store/JournalSettings.h"
#include "app/store/Outbox.h"
#include "app/store/ResultsJournal.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

namespace {

QString& senderProgram() {
    static QString program;
    return program;
}

} // namespace

ResultSender::ResultSender(QObject* parent) : QObject(parent) {
    deadline_.setInterval(kDeadlineMs);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        process_->kill();
    });
}

ResultSender::~ResultSender() {
    // The lab ends at once: a sending under way goes on in a process the lab does not wait
    // for, which takes over what is not yet confirmed.
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
        QProcess::startDetached(program(), {QStringLiteral("--send-results")});
    }
}

QString ResultSender::program() {
    return senderProgram().isEmpty() ? QCoreApplication::applicationFilePath() : senderProgram();
}

QString ResultSender::setProgram(QString program) {
    return std::exchange(senderProgram(), std::move(program));
}

int ResultSender::sendWaiting() {
    const JournalSettings settings = JournalSettings::installed();
    ClassJournal::Delivery delivery;
    if (settings.state == JournalSettings::State::Valid)
        delivery =
            ClassJournal::deliver(settings, Outbox(ResultsJournal().outboxFolder()), kTurnWaitMs);
    else
        delivery = {{}, {}, ClassJournal::Failure::Other, settings.problem};
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly))
        out.write(ClassJournal::toLines(delivery));
    return delivery.failure == ClassJournal::Failure::None ? 0 : 1;
}

void ResultSender::send() {
    if (process_) {
        again_ = true;
        return;
    }
    again_ = false;
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process_, &QProcess::finished, this, &ResultSender::finished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finished();
    });
    process_->start(program(), {QStringLiteral("--send-results")});
    deadline_.start();
}

void ResultSender::finished() {
    deadline_.stop();
    ClassJournal::Delivery delivery = ClassJournal::fromLines(process_->readAllStandardOutput());
    const bool whole = process_->error() != QProcess::FailedToStart &&
                       process_->exitStatus() == QProcess::NormalExit;
    if (!whole && delivery.failure == ClassJournal::Failure::None) {
        delivery.failure =
            timedOut_ ? ClassJournal::Failure::Timeout : ClassJournal::Failure::Other;
        delivery.message = process_->errorString();
    }
    timedOut_ = false;
    process_->deleteLater();
    process_ = nullptr;
    if (again_)
        send();
    Q_EMIT delivered(delivery);
}
