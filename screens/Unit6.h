#pragma once

#include "app/LabScreen.h"
#include "coder/CoderModel.h"
#include "workbench/SchematicPanel.h"

#include <cstdint>

class QPushButton;
class TDigitCell;
class TLabel;
class TLamp;
class TLinkLabel;
class TNumericField;
class TPicture;

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

protected:
    void FormActivate() override;

private:
    class StepChecks;

    void FormCreate();
    void resetRun();
    void LMDButton1Click();
    void RzURLLabel1Click();
    void RzURLLabel2Click();

    StepChecks checksOf(int step) const;
    void applyStepEffects(int step);
    void showPolarity(bool rows);
    void finishRun();
    void resetPrompts();

    // Entry prompts.
    void Edit14KeyDown(int key);
    void Edit14DblClick();
    void Edit43KeyDown(int key);
    void Edit43DblClick();
    void RxCalcEdit1KeyDown(int key);
    void Edit22KeyDown(int key);
    void registerRowTouched();
    void selectorRowTouched();
    // Turns the next unprompted field of U эт, Comparator red.
    void promptNextField();

    SchematicPanel panel_;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TPicture* Image1;
    TNumericField* RxCalcEdit1;
    TDigitCell* Edit22;
    TLamp* LMDLight1;
    TLamp* LMDLight2;
    TLamp* LMDLight3;
    TLamp* LMDLight4;
    QPushButton* LMDButton1;
    TLinkLabel* RzURLLabel1;
    TLinkLabel* RzURLLabel2;

    std::int32_t PracticeUaim = 0;
    int PracticeStep = 0;
    int ErrorCount = 0;
    TCodingTrace trace;
};

extern TForm6* Form6;
