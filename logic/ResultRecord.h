// SPDX-License-Identifier: MIT
#pragma once

#include "logic/KnowledgeTest.h"

#include <cstdint>
#include <optional>
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
    // False for a result read from a journal that did not record the questions.
    bool questionsKnown = true;
};

TestScore scoreOf(const Knowledge::TestRun& run);

struct LabResult {
    std::string id;         // made where the result was made; the same result, the same id
    std::string finishedAt; // "2026-12-07 14:05:09"
    std::string student1, student2;
    TestScore intro, final;
    std::int32_t practiceValue = 0; // the value of the last finished coding run
    int practiceErrors = 0;         // and its refused presses
    std::string version;
};

// "2 5 9": the numbers of the wrongly answered questions; empty when there are none.
std::string questionList(const std::vector<int>& questions);
// The numbers of such a list; nothing when it is not one (a word, a number out of 1..10).
std::optional<std::vector<int>> parseQuestionList(std::string_view list);

// "2026-12-07 Иванов Петрова.pdf": the date and the students' surnames (the first word of
// each name), without characters a file name cannot hold.
std::string reportFileName(const LabResult& result);

} // namespace Record
