// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>

#include <vector>

// One result as the teacher's view holds it, with what sorting and filtering compare worked
// out once, when it is loaded, so that a sort or a filter of many rows compares numbers.
struct JournalRow {
    Record::LabResult result;
    QString student1, student2;
    QString folded1, folded2;   // searchForm() of each name
    int order1 = 0, order2 = 0; // the names' places in Russian alphabetical order
    // 20261207140509 for "2026-12-07 14:05:09"; -1 when the date is no date of this form.
    qint64 when = -1;

    // The date part alone, 20261207; -1 when there is none.
    qint64 day() const { return when < 0 ? -1 : when / 1000000; }

    // The rows of these results, the names ranked together.
    static std::vector<JournalRow> rowsOf(std::vector<Record::LabResult> results);
    // A name or a part of one as it is looked for: any case, ё as е.
    static QString searchForm(const QString& text);
    // The key of a date and time as the journal writes it, -1 for any other text.
    static qint64 timeKey(std::string_view text);
};
