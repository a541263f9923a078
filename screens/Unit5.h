#pragma once

#include "app/LabScreen.h"
#include "coder/CoderModel.h"
#include "workbench/SchematicPanel.h"

// Coder demonstration: a drawn value coded half a tact per press of "Далее>>".
class TForm5 : public LabScreen {
    Q_OBJECT
public:
    TForm5();

    int stepCount() const { return StepCount; }
    std::int32_t demonstratedValue() const { return Uaim; }

protected:
    void FormShow() override;

private:
    void LMDButton2Click();
    void RzURLLabel1Click();

    void DrawValue();
    void StartTact(const TTactRecord& record);
    void EndTact(const TTactRecord& record);
    void ShowReferences(const TReferenceSet& references);
    void Restart();

    SchematicPanel Panel;
    int StepCount = 0;
    std::int32_t Uaim = 0;
    TCodingTrace Trace;
};

extern TForm5* Form5;
