// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"
#include "logic/KnowledgeTest.h"

#include <QPoint>
#include <QStringView>

#include <memory>

class QGroupBox;
class QLineEdit;
class QPushButton;
class Label;
class LinkLabel;
class RadioGroup;
class ReadOnlyText;

// The controls the intro and the final test share, laid out from a question of the plain
// test logic: the question frame, the answer frame, the text field with the unit beside it,
// "Ответить" and the counts of the results. The two tests differ in their banks, their
// layout and what they show around the questions.
class KnowledgeTestScreen : public LabScreen {
    Q_OBJECT
public:
    // The question on the screen, 1 to 10; 11 once the tenth has been judged.
    int questionNo() const { return test_.run().QuestionNo; }
    // The question on the screen, with its key.
    const Knowledge::Question& currentQuestion() const { return test_.question(); }
    // The run on the screen, its results counted once it is finished.
    const Knowledge::TestRun& run() const { return test_.run(); }

    // Where the two tests place or dress the shared controls differently; fonts by their
    // character height in pixels.
    struct Layout {
        int questionTextTop;
        int answerGroupLeft;
        int answerCaptionFont, optionFont, summaryFont;
        QPoint label4, label5, label6;
        QStringView repeatCaption;
    };

Q_SIGNALS:
    // The tenth answer has been judged and the results are on the screen.
    void testFinished();

protected:
    KnowledgeTestScreen(const QString& caption, QSize clientSize, const Layout& layout,
                        std::unique_ptr<const Knowledge::QuestionBank> bank);

    // What the screen shows of a run: the intro test's instructions, a question, the results.
    enum class Phase { Instructions, Question, Results };
    // Shows the shared controls of a phase, the answer field of the question's own kind among
    // them, and hides the others; then the test shows its own through phaseShown().
    void showPhase(Phase phase);
    virtual void phaseShown(Phase) {}
    // A new run with question 1 put up, not yet shown.
    void startRun();

    // The number field, for the test that has one: its value, set back to 0 before a question
    // that asks so.
    virtual std::optional<double> enteredNumber() const { return std::nullopt; }
    virtual void resetNumber() {}

    // Answer button rule: a selected option, a non-empty Edit1, any touch of a number.
    void enableAnswer(bool enabled);

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

private:
    // Question n: its caption and text, its options, none selected, or its field at the width
    // its answer needs and emptied when asked to; "Ответить" disabled.
    void putUpQuestion(int n);
    void LMDRadioGroup1Click();
    void Edit1Change();
    void LMDButton1Click();
    void RzURLLabel2Click();

    std::unique_ptr<const Knowledge::QuestionBank> bank_;
    Knowledge::KnowledgeTest test_;
};
