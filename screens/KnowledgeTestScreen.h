#pragma once

#include "foundation/LabScreen.h"

#include <QFont>
#include <QPoint>
#include <QStringView>
#include <array>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;
class Label;
class LinkLabel;
class RadioGroup;
class ReadOnlyText;

// ---- Question banks -------------------------------------------------------------------

// A question answered by picking one of three options; `key` is the bank number (1 to 3)
// of the option whose text is right.
struct ChoiceQuestion {
    QStringView text;
    std::array<QStringView, 3> options;
    int key;
};

// A fixed question asked in one of `count` variants that differ only in the value shown;
// every variant has its complete text and its key text.
struct VariantQuestion {
    int count;
    std::array<QStringView, 6> texts;
    std::array<QStringView, 6> keys;
};

// ---- Judging --------------------------------------------------------------------------

enum class AnswerKind {
    Choice, // the selected option's text equals the key text
    Number, // the number field's value equals the key number exactly
    Digits, // the text must be a 32-bit whole number, then equals the key text
    Word,   // the text equals the key text, nothing checked first
};

struct AnswerKey {
    AnswerKind kind;
    QString text;
    double number = 0.0;
};

// What the student has entered, whichever field the question uses.
struct AnswerInput {
    QString selected;
    QString text;
    double number = 0.0;
};

enum class Verdict { Right, Wrong, Refused };

// Texts are compared character for character: case, blanks and leading zeros all count.
Verdict judgeAnswer(const AnswerKey& key, const AnswerInput& input);

// The three bank numbers of a choice question's options in the order they are listed.
// The second and third are drawn again while they repeat an earlier one, at most 10001 and
// 100001 draws; when a bound runs out the repeat stands.
std::array<int, 3> drawOptionOrder();

// ---- The test screen ------------------------------------------------------------------

// Ten questions, one at a time, each judged when "Ответить" is pressed, then a summary of
// right and wrong answers. The intro and final tests share this engine and differ in
// their question banks, their layout and what they show around the questions.
class KnowledgeTestScreen : public LabScreen {
    Q_OBJECT
public:
    static constexpr int kQuestionCount = 10;

    // Where the two tests place or dress the shared controls differently.
    struct Layout {
        int questionTextTop;
        int answerGroupLeft;
        QFont answerCaptionFont;
        QFont optionFont;
        QFont summaryFont;
        QPoint label4, label5, label6;
        QString repeatCaption;
    };

    // The question on the screen, 1 to 10; 11 once the tenth has been judged.
    int questionNo() const { return QuestionNo; }

protected:
    KnowledgeTestScreen(const QString& caption, QSize clientSize, const Layout& layout);

    // The key of question q (1 to 10) as it is put up now.
    virtual AnswerKey answerKey(int q) const = 0;
    // The value of the number field, for tests that have one.
    virtual double enteredNumber() const { return 0.0; }
    // Puts up question n (2 to 10) after question n - 1 has been judged.
    virtual void putUpQuestion(int n) = 0;
    // Shows the summary after question 10 has been judged.
    virtual void showResults() = 0;

    // A new run: no answer judged, question 1, pool questions drawn for the first
    // `positions` questions from pool numbers firstPool .. firstPool + poolSize - 1.
    void startRun(int positions, int poolSize, int firstPool);
    // Caption of the question frame: "Вопрос " and n.
    void setQuestionCaption(int n);
    void setQuestionText(QStringView text);
    // Question text and the three options in a freshly drawn order, none selected.
    void putUpChoice(const ChoiceQuestion& question);
    // Draws the variant of a fixed question into QuestionVariant and shows its text.
    void putUpVariant(const VariantQuestion& question);
    // WrongCount, WrongList and the two counts in Label5 and Label6.
    void countResults();

    // Answer button rule: a selected option, a non-empty Edit1, any touch of a number.
    void enableAnswer(bool enabled);
    void LMDRadioGroup1Click();
    void Edit1Change();
    void LMDButton1Click();
    void RzURLLabel2Click();

    QGroupBox* LMDGroupBox1;
    ReadOnlyText* RichEdit1;
    RadioGroup* LMDRadioGroup1;
    QLineEdit* Edit1;
    QWidget* Panel1;
    QWidget* Image1;
    QPushButton* LMDButton1;
    Label* Label4;
    Label* Label5;
    Label* Label6;
    LinkLabel* RzURLLabel2;

    // Number of the question on the screen; 11 once the tenth has been judged.
    int QuestionNo = 1;
    // 1 for each question (index q - 1) judged wrong in this run.
    std::array<int, kQuestionCount> AnswerWrong{};
    // Pool number asked at each pool position (index q - 1).
    std::vector<int> PoolPick;
    // Variant of the fixed question on the screen.
    int QuestionVariant = 1;
    int WrongCount = 0;
    // " 3 7 10": a blank before each wrongly answered question's number.
    QString WrongList;
};
