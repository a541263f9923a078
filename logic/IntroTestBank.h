// SPDX-License-Identifier: MIT
#pragma once

#include "logic/KnowledgeTest.h"

namespace Knowledge {

// The intro test's questions: positions 1 to 4 draw four different questions from a pool of
// seven (one of them answered with a number), positions 5 and 6 a number question with a
// drawn value appended, positions 7 to 10 a digits question in a drawn variant.
class IntroTestBank : public QuestionBank {
public:
    std::vector<int> drawPools() const override;
    Question question(int n, TestRun& run) const override;

    // "Ошибки в вопросах: " and the list, so two blanks stand before the first number.
    static std::string wrongListText(const TestRun& run);
};

} // namespace Knowledge
