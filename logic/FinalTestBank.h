// SPDX-License-Identifier: MIT
#pragma once

#include "logic/KnowledgeTest.h"

#include <string_view>

namespace Knowledge {

// The final test's questions: positions 1 and 2 draw two block questions from a pool of six,
// answered with the block's name; position 7 is a choice; the others are digits questions in
// a drawn variant.
class FinalTestBank : public QuestionBank {
public:
    std::vector<int> drawPools() const override;
    Question question(int n, TestRun& run) const override;

    // "Ошибки в вопросах:" and the list, so one blank stands before the first number.
    static std::string wrongListText(const TestRun& run);
    // The heading over the names: plural when a second student has a name.
    static std::string studentsHeading(std::string_view secondStudent);
};

} // namespace Knowledge
