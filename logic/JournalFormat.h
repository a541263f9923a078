// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The teacher's journal as text: a header row, then one line per finished final test, fields
// separated by commas, quoted (quotes doubled) when they hold a comma, a quote or a line
// break. A name that a spreadsheet would run as a formula is written with an apostrophe in
// front, which the reader takes away again.
namespace Record {

std::string csvHeader();
// One result as a line of the journal, without the line end.
std::string csvLine(const LabResult& result);

// The records of a CSV text, each a list of its fields with the quoting undone; a quoted
// field may span lines. Line ends are "\n" or "\r\n".
std::vector<std::vector<std::string>> csvRecords(std::string_view text);

// A journal's header that an older lab wrote: the first columns of today's, in order.
bool isOlderHeader(std::string_view header);

struct JournalReading {
    std::vector<LabResult> results;
    int skipped = 0;   // lines that hold no result this lab could have written
    bool valid = true; // false: the text is no journal at all (no known header)
};
// Reads a journal of this lab or of an earlier one, which had fewer columns.
JournalReading readJournal(std::string_view text);

} // namespace Record
