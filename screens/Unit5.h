// SPDX-License-Identifier: MIT
#pragma once

#include "coder/CoderModel.h"
#include "foundation/LabScreen.h"
#include "workbench/SchematicPanel.h"

// Coder demonstration: a drawn value coded half a tact per press of "Далее>>".
class TForm5 : public LabScreen {
    Q_OBJECT
public:
    TForm5();

    int stepCount() const { return stepCount_; }
    std::int32_t demonstratedValue() const { return uaim_; }

protected:
    void FormShow() override;
    void prepare() override;

private:
    void LMDButton2Click();
    void RzURLLabel1Click();

    void drawValue();
    void startTact(const TTactRecord& record);
    void endTact(const TTactRecord& record);
    void showReferences(const TReferenceSet& references);
    void restart();

    SchematicPanel panel_;
    int stepCount_ = 0;
    std::int32_t uaim_ = 0;
    TCodingTrace trace_;
};

extern TForm5* Form5;
