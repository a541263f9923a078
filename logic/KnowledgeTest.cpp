// SPDX-License-Identifier: MIT
#include "logic/KnowledgeTest.h"

#include "logic/IntegerText.h"
#include "logic/RandomDraw.h"

namespace Knowledge {

Verdict judgeAnswer(const Question& question, const Answer& answer) {
    const auto verdict = [](bool right) { return right ? Verdict::Right : Verdict::Wrong; };
    switch (question.kind) {
    case AnswerKind::Choice:
        return verdict(answer.selected == question.key);
    case AnswerKind::Number:
        return verdict(answer.number && *answer.number == question.keyNumber);
    case AnswerKind::Digits:
        if (!parseInt32(answer.text))
            return Verdict::Refused;
        // The text, not the number, is the answer: "+5" or "05" is not "5".
        return verdict(answer.text == question.key);
    case AnswerKind::Word:
        return verdict(answer.text == question.key);
    }
    return Verdict::Wrong;
}

void KnowledgeTest::start() {
    run_ = TestRun{};
    run_.PoolPick = bank_.drawPools();
}

const Question& KnowledgeTest::putUp(int n) {
    question_ = bank_.question(n, run_);
    return question_;
}

Verdict KnowledgeTest::answer(const Answer& answer) {
    if (finished()) // nothing is on the screen to answer
        return Verdict::Wrong;
    ++run_.QuestionNo;
    const int q = run_.QuestionNo - 1;
    const Verdict verdict = judgeAnswer(question_, answer);
    if (verdict == Verdict::Refused) {
        --run_.QuestionNo;
        return verdict;
    }
    run_.AnswerWrong[static_cast<std::size_t>(q - 1)] = verdict == Verdict::Wrong ? 1 : 0;
    return verdict;
}

void KnowledgeTest::countResults() {
    run_.WrongCount = 0;
    for (int q = 1; q <= kQuestionCount; ++q) {
        if (run_.AnswerWrong[static_cast<std::size_t>(q - 1)] == 1) {
            ++run_.WrongCount;
            run_.WrongList += ' ' + std::to_string(q);
        }
    }
}

std::string rightAnswersText(const TestRun& run) {
    return "Правильных ответов: " + std::to_string(kQuestionCount - run.WrongCount);
}

std::string wrongAnswersText(const TestRun& run) {
    return "Неправильных ответов: " + std::to_string(run.WrongCount);
}

std::vector<int> drawPoolPicks(int positions, int poolSize, int first) {
    const auto draw = [=] { return DrawRandom(poolSize) + first; };
    std::vector<int> picks(static_cast<std::size_t>(positions));
    picks[0] = draw();
    if (positions > 1)
        picks[1] = drawAvoiding(draw, {picks[0]}, 101);
    if (positions > 2)
        picks[2] = drawAvoiding(draw, {picks[0], picks[1]}, 10001);
    if (positions > 3)
        picks[3] = drawAvoiding(draw, {picks[0], picks[1], picks[2]}, 10001);
    return picks;
}

Question choiceQuestion(const ChoiceEntry& entry) {
    const auto draw = [] { return DrawRandom(3) + 1; };
    const int d1 = draw();
    const int d2 = drawAvoiding(draw, {d1}, 10001);
    const int d3 = drawAvoiding(draw, {d1, d2}, 100001);
    Question question{std::string(entry.text),
                      AnswerKind::Choice,
                      {},
                      std::string(entry.options[static_cast<std::size_t>(entry.key - 1)])};
    for (const int d : {d1, d2, d3})
        question.options.emplace_back(entry.options[static_cast<std::size_t>(d - 1)]);
    return question;
}

Question variantQuestion(const VariantEntry& entry, TestRun& run) {
    run.QuestionVariant = DrawRandom(entry.count) + 1;
    const auto variant = static_cast<std::size_t>(run.QuestionVariant - 1);
    return {std::string(entry.texts[variant]),
            AnswerKind::Digits,
            {},
            std::string(entry.keys[variant])};
}

} // namespace Knowledge
