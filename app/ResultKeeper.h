// SPDX-License-Identifier: MIT
#pragma once

#include "app/ResultSender.h"
#include "app/store/JournalSettings.h"
#include "app/store/Outbox.h"
#include "app/store/ResultsJournal.h"
#include "logic/ResultRecord.h"

#include <QObject>
#include <QString>

#include <functional>

class QDateTime;
class QPrinter;
class QWidget;

// What a finished lab leaves behind. It keeps what the screens announce (the last intro test,
// the last coding run), writes a journal line for every finished final test, sends it on to
// the class journal where one is set up, and saves or prints the students' report on
// request. Every failure is told; the lab goes on.
class ResultKeeper : public QObject {
    Q_OBJECT
public:
    // The class journal's settings are read once, here.
    explicit ResultKeeper(ResultsJournal journal = ResultsJournal(),
                          JournalSettings settings = JournalSettings::installed());

    // Once the lab is up: tells of class journal settings that cannot be used, and sends
    // what an earlier run left waiting.
    void startUp(QWidget* screen);

    void introFinished(const Knowledge::TestRun& run);
    void practiceFinished(std::int32_t value, int errors);
    // The final test's report is up, with these names on it.
    void finalFinished(const Knowledge::TestRun& run, const QString& student1,
                       const QString& student2, QWidget* screen);

    // The result of the last finished final test.
    const Record::LabResult& result() const { return result_; }

    void saveReport(QWidget* parent);
    void printReport(QWidget* parent);

    // The two dialogs, replaceable so that a test can answer them: where to save (nothing:
    // cancelled) and the printer's set-up (false: cancelled).
    struct Dialogs {
        std::function<QString(QWidget* parent, const QString& proposed)> saveFileName;
        std::function<bool(QWidget* parent, QPrinter& printer)> setUpPrinter;
    };
    // Installs replacements (empty functions restore the real dialogs); returns the old ones.
    static Dialogs setDialogs(Dialogs dialogs);
    // The time a result is stamped with, replaceable so that a test can fix it (an empty
    // function restores the system's clock); returns the old one.
    using Clock = std::function<QDateTime()>;
    static Clock setClock(Clock clock);

Q_SIGNALS:
    // Where the last result stands with the class journal, for the students: sent, waiting
    // or kept on this PC only. Not given where no class journal is set up.
    void classJournalStatus(const QString& status);

private:
    void writePdf(QWidget* parent, const QString& path);
    void sendToClassJournal();
    void delivered(const ClassJournal::Delivery& delivery);

    ResultsJournal journal_;
    JournalSettings settings_;
    Outbox outbox_;
    ResultSender sender_;
    bool settled_ = false; // the last result has been sent or refused
    Record::TestScore intro_;
    std::int32_t practiceValue_ = 0;
    int practiceErrors_ = 0;
    Record::LabResult result_;
};
