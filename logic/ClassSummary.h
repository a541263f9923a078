// SPDX-License-Identifier: MIT
#pragma once

#include "logic/KnowledgeTest.h"
#include "logic/ResultRecord.h"

#include <array>
#include <cstdint>

namespace Record {

// What a group of results tells the teacher: which questions of each test the group gets
// wrong, how the final test's scores spread, and the mean scores and coding errors.
class ClassSummary {
public:
    // One test's questions: how many results got each wrong, among the results that recorded
    // their wrong questions (a journal of an earlier lab did not for the intro test).
    struct Questions {
        std::array<int, Knowledge::kQuestionCount> wrong{};
        int known = 0;

        // Question 1..10: the share of the known results that got it wrong, 0..1; 0 when no
        // result is known.
        double share(int question) const;
    };

    void add(const LabResult& result);

    int count() const { return count_; }
    const Questions& intro() const { return intro_; }
    const Questions& final() const { return final_; }
    // How many results scored `right` (0..10) in the final test.
    int finalScores(int right) const;
    // Means over all the results; 0 when there are none.
    double meanIntro() const;
    double meanFinal() const;
    double meanCodingErrors() const;

private:
    int count_ = 0;
    Questions intro_, final_;
    std::array<int, Knowledge::kQuestionCount + 1> finalScores_{};
    std::int64_t introSum_ = 0, finalSum_ = 0, errorSum_ = 0;
};

} // namespace Record
