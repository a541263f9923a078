#pragma once

#include "screens/KnowledgeTestScreen.h"

class TLabel;
class TLinkLabel;
class TNumericField;

// Intro test: instructions, then ten questions on the coder's blocks and coding arithmetic
// with choice, number and digits answers, then the results with the way on.
class TForm4 : public KnowledgeTestScreen {
    Q_OBJECT
public:
    TForm4();

protected:
    void FormShow() override;
    TAnswerKey answerKey(int q) const override;
    double enteredNumber() const override;
    void putUpQuestion(int n) override;
    void showResults() override;

private:
    void RzURLLabel1Click();
    void RxCalcEdit1Click();
    void RxCalcEdit1Change();
    void RzURLLabel3Click();
    // Pool question PoolPick[position - 1] into the question area.
    void putUpPoolQuestion(int position);

    TLabel* Label1;
    TLabel* Label2;
    TLinkLabel* RzURLLabel1;
    TNumericField* RxCalcEdit1;
    TLabel* Label3;
    TLinkLabel* RzURLLabel3;
};

extern TForm4* Form4;
