// SPDX-License-Identifier: MIT
#pragma once

#include "screens/KnowledgeTestScreen.h"

class Label;
class LinkLabel;
class NumericField;

// Intro test: instructions, then ten questions on the coder's blocks and coding arithmetic
// with choice, number and digits answers, then the results with the way on.
class TForm4 : public KnowledgeTestScreen {
    Q_OBJECT
public:
    TForm4();

protected:
    void FormShow() override;
    void phaseShown(Phase phase) override;
    std::optional<double> enteredNumber() const override;
    void resetNumber() override;

private:
    void RzURLLabel1Click();
    void RxCalcEdit1Click();
    void RxCalcEdit1Change();
    void RzURLLabel3Click();

    Label* Label1;
    Label* Label2;
    LinkLabel* RzURLLabel1;
    NumericField* RxCalcEdit1;
    Label* Label3;
    LinkLabel* RzURLLabel3;
};

extern TForm4* Form4;
