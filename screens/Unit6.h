// SPDX-License-Identifier: MIT
#pragma once

#include "coder/CoderModel.h"
#include "foundation/LabScreen.h"
#include "logic/PracticePrompts.h"
#include "logic/PracticeSteps.h"
#include "workbench/PracticePanel.h"

#include <cstdint>
#include <functional>

class QPushButton;
class Label;
class LinkLabel;
class NumericField;

// Coding practice: the students set the schematic's cells tact by tact and every press of
// "Далее >>" is checked against the coder's trace of their value; wrong entries are
// refused and counted. Lamps and colours prompt the next entry within a step.
class TForm6 : public LabScreen {
    Q_OBJECT
public:
    TForm6();

    // Practice steps passed in this run, and presses refused since the last activation.
    int practiceStep() const { return PracticeStep; }
    int errorCount() const { return ErrorCount; }

    // Where the value to code is typed; read each time the screen is activated.
    void setValueSource(std::function<QString()> source) { valueSource_ = std::move(source); }

Q_SIGNALS:
    // A run is finished: the value coded and the presses refused.
    void runFinished(std::int32_t value, int errors);

protected:
    void FormActivate() override;
    void prepare() override;

private:
    void FormCreate();
    void resetRun();
    void LMDButton1Click();
    void RzURLLabel1Click();
    void RzURLLabel2Click();

    void applyStepEffects(const Practice::StepEffects& effects);
    void finishRun();

    // Entry prompts: what was touched, and the lamps and colours that follow.
    void Edit14KeyDown(int) { touched(&Practice::Prompts::registerRowTouched); }
    void Edit14DblClick() { touched(&Practice::Prompts::registerRowTouched); }
    void Edit43KeyDown(int) { touched(&Practice::Prompts::selectorRowTouched); }
    void Edit43DblClick() { touched(&Practice::Prompts::selectorRowTouched); }
    void RxCalcEdit1KeyDown(int) { touched(&Practice::Prompts::uetTouched); }
    void Edit22KeyDown(int) { touched(&Practice::Prompts::comparatorTouched); }
    void touched(void (Practice::Prompts::*touch)());

    PracticePanel panel_;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    NumericField* RxCalcEdit1;
    DigitCell* Edit22;
    QPushButton* LMDButton1;
    LinkLabel* RzURLLabel1;
    LinkLabel* RzURLLabel2;

    std::int32_t PracticeUaim = 0;
    int PracticeStep = 0;
    int ErrorCount = 0;
    Coder::TCodingTrace trace_;
    Practice::Prompts prompts_;
    std::function<QString()> valueSource_;
};

extern TForm6* Form6;
