// SPDX-License-Identifier: MIT
#pragma once

#include "app/store/ResultsJournal.h"
#include "logic/ResultRecord.h"

#include <QObject>
#include <QString>

#include <functional>

class QDateTime;
class QPrinter;
class QWidget;

// What a finished lab leaves behind. It keeps what the screens announce (the last intro test,
// the last coding run), writes a journal line for every finished final test, and saves or
// prints the students' report on request. Every failure is told in an error box; the lab
// goes on.
class ResultKeeper : public QObject {
    Q_OBJECT
public:
    explicit ResultKeeper(ResultsJournal journal = ResultsJournal());

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

private:
    ResultsJournal journal_;
    Record::TestScore intro_;
    std::int32_t practiceValue_ = 0;
    int practiceErrors_ = 0;
    Record::LabResult result_;
};
