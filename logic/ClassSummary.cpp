// SPDX-License-Identifier: MIT
#include "logic/ClassSummary.h"

namespace Record {

namespace {

void tally(ClassSummary::Questions& questions, const TestScore& score) {
    if (!score.questionsKnown)
        return;
    ++questions.known;
    for (const int q : score.wrongQuestions)
        if (q >= 1 && q <= Knowledge::kQuestionCount)
            ++questions.wrong[std::size_t(q - 1)];
}

double mean(std::int64_t sum, int count) {
    return count == 0 ? 0.0 : double(sum) / count;
}

} // namespace

double ClassSummary::Questions::share(int question) const {
    return known == 0 ? 0.0 : double(wrong[std::size_t(question - 1)]) / known;
}

void ClassSummary::add(const LabResult& result) {
    ++count_;
    tally(intro_, result.intro);
    tally(final_, result.final);
    if (result.final.right >= 0 && result.final.right <= Knowledge::kQuestionCount)
        ++finalScores_[std::size_t(result.final.right)];
    introSum_ += result.intro.right;
    finalSum_ += result.final.right;
    errorSum_ += result.practiceErrors;
}

int ClassSummary::finalScores(int right) const {
    return finalScores_[std::size_t(right)];
}

double ClassSummary::meanIntro() const {
    return mean(introSum_, count_);
}

double ClassSummary::meanFinal() const {
    return mean(finalSum_, count_);
}

double ClassSummary::meanCodingErrors() const {
    return mean(errorSum_, count_);
}

} // namespace Record
