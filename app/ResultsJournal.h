// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>

// The teacher's journal: results.csv in the lab's folder of the user's data, one line per
// finished final test under a header row, UTF-8.
class ResultsJournal {
public:
    // The journal in `folder`; by default the user's data folder of the lab.
    explicit ResultsJournal(const QString& folder = QString());

    QString path() const;

    // Appends the result as one whole line, the header first in a new journal. The journal
    // is written anew beside the old one and then put in its place, so a crash or a power
    // cut leaves the earlier lines as they were and the new one whole or absent. False, with
    // the reason, when the journal could not be written.
    bool append(const Record::LabResult& result, QString* reason) const;

private:
    QString folder_;
};
