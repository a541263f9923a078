// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>

// The teacher's journal: results.csv in the lab's folder of the user's data, one line per
// finished final test under a header row, UTF-8.
class ResultsJournal {
public:
    // The journal in `folder` (by default the user's data folder of the lab). A writer waits
    // up to `turnWaitMs` for another one to finish.
    explicit ResultsJournal(const QString& folder = QString(), int turnWaitMs = 5000);

    QString folder() const { return folder_; }
    QString path() const;
    // Where the results on their way to the class journal wait.
    QString outboxFolder() const;

    // Appends the result as one whole line, the header first in a new journal. Any number of
    // lab processes may append at once: each takes its turn by a lock on a file beside
    // the journal, reads it, writes it anew beside the old one and renames it over it, so no
    // line is lost, torn or doubled, and a crash or a full disk leaves the earlier journal
    // as it was. False, with the reason, when the line was not written.
    bool append(const Record::LabResult& result, QString* reason) const;

private:
    QString folder_;
    int turnWaitMs_;
};
