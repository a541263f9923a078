// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the intro and the final test share: a run of ten questions put up one at a time, each
// judged when it is answered, then the counts of right and wrong answers. The banks say which
// questions are asked and how each is put up; the screens lay them out. Texts are UTF-8.
namespace Knowledge {

inline constexpr int kQuestionCount = 10;

enum class AnswerKind {
    Choice, // one of three options, right when its text is the key
    Number, // a number, right when it equals the key number exactly
    Digits, // a text that must read as a 32-bit whole number, then right when it is the key
    Word,   // a text, right when it is the key; nothing is checked first
};

// A question as it is put up.
struct Question {
    std::string text;
    AnswerKind kind = AnswerKind::Choice;
    std::vector<std::string> options; // Choice: in the order they are listed
    std::string key;                  // Choice, Digits, Word
    double keyNumber = 0;             // Number
    bool withUnit = false;            // the unit "Δ,В" stands beside the answer field
    // Before it is put up, the number field goes back to 0 and the text field is emptied.
    bool resetsNumber = false;
    bool emptiesText = false;
};

// What the student has entered, whichever control the question uses.
struct Answer {
    std::string selected;         // the chosen option's text
    std::string text;             // the text field
    std::optional<double> number; // the number field; nothing while it holds no number
};

enum class Verdict { Right, Wrong, Refused };

// Texts are compared character for character: case, blanks and leading zeros all count, and
// a digits answer that is no whole number is refused rather than judged.
Verdict judgeAnswer(const Question& question, const Answer& answer);

// The state of a run, by the names of the lab's module variables.
struct TestRun {
    int QuestionNo = 1; // the question on the screen; 11 once the tenth has been judged
    std::array<int, kQuestionCount> AnswerWrong{}; // 1 for each question judged wrong
    std::vector<int> PoolPick;                     // pool number asked at each pool position
    int QuestionVariant = 1;                       // variant of the fixed question on the screen
    int WrongCount = 0;
    std::string WrongList; // " 3 7 10": a blank before each wrongly answered question
};

class QuestionBank {
public:
    virtual ~QuestionBank() = default;
    // The pool questions of a new run.
    virtual std::vector<int> drawPools() const = 0;
    // Question n (1 to 10) of the run, with the draws putting it up takes: its variant,
    // kept in run.QuestionVariant, or the order of its options.
    virtual Question question(int n, TestRun& run) const = 0;
};

// One test screen's run of its bank.
class KnowledgeTest {
public:
    explicit KnowledgeTest(const QuestionBank& bank) : bank_(bank) {}

    // A new run: nothing judged, question 1, the pool questions drawn.
    void start();
    // Puts up question n; the answer given next is judged against it.
    const Question& putUp(int n);
    // "Ответить": the question on the screen is judged and the run moves past it, unless
    // the answer is refused, which leaves everything as it was.
    Verdict answer(const Answer& answer);
    // WrongCount and WrongList, once the tenth question has been judged.
    void countResults();

    bool finished() const { return run_.QuestionNo > kQuestionCount; }
    const TestRun& run() const { return run_; }
    const Question& question() const { return question_; }

private:
    const QuestionBank& bank_;
    TestRun run_;
    Question question_;
};

// "Правильных ответов: 7" and "Неправильных ответов: 3".
std::string rightAnswersText(const TestRun& run);
std::string wrongAnswersText(const TestRun& run);

// `positions` pool numbers from first .. first + size - 1. The second is drawn again while it
// repeats the first, at most 101 draws in all; the third and the fourth while they repeat an
// earlier one, at most 10001 draws each. When a bound runs out the repeat stands.
std::vector<int> drawPoolPicks(int positions, int poolSize, int first);

// A question answered by picking one of three options; `key` is the bank number (1 to 3) of
// the right one.
struct ChoiceEntry {
    std::string_view text;
    std::array<std::string_view, 3> options;
    int key;
};

// A fixed question asked in one of `count` variants that differ only in the value shown;
// every variant has its complete text and its key.
struct VariantEntry {
    int count;
    std::array<std::string_view, 6> texts;
    std::array<std::string_view, 6> keys;
};

// The choice question with its options in a freshly drawn order: bank numbers d1, d2, d3,
// the second drawn again while it repeats the first (at most 10001 draws), the third while
// it repeats either (at most 100001 draws).
Question choiceQuestion(const ChoiceEntry& entry);

// A digits question in a variant drawn into run.QuestionVariant (1 to entry.count).
Question variantQuestion(const VariantEntry& entry, TestRun& run);

} // namespace Knowledge
