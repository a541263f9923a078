// SPDX-License-Identifier: MIT
#pragma once

#include "logic/KnowledgeTest.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the lab keeps of a finished run for the students to take away and for the teacher's
// journal: who did the work, the scores of both tests and the coding practice. Texts are
// UTF-8.
namespace Record {

struct TestScore {
    int right = 0;
    int wrong = 0;
    std::vector<int> wrongQuestions; // ascending
};

TestScore scoreOf(const Knowledge::TestRun& run);

struct LabResult {
    std::string finishedAt; // "2026-12-07 14:05:09"
    std::string student1, student2;
    TestScore intro, final;
    std::int32_t practiceValue = 0; // the value of the last finished coding run
    int practiceErrors = 0;         // and its refused presses
    std::string version;
};

// "2 5 9": the numbers of the wrongly answered questions; empty when there are none.
std::string questionList(const std::vector<int>& questions);

// The journal's columns, and one result as a line of them, without the line end. Fields
// that hold a comma, a quote or a line break are quoted, quotes doubled.
std::string csvHeader();
std::string csvLine(const LabResult& result);
// The fields of one line, undoing the quoting; for reading a journal back.
std::vector<std::string> csvFields(std::string_view line);

// "2026-12-07 Иванов Петрова.pdf": the date and the students' surnames (the first word of
// each name), without characters a file name cannot hold.
std::string reportFileName(const LabResult& result);

} // namespace Record
