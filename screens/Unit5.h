// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"
#include "logic/Demonstration.h"
#include "workbench/DemonstrationPanel.h"

// Coder demonstration: a drawn value coded half a tact per press of "Далее>>".
class TForm5 : public LabScreen {
    Q_OBJECT
public:
    TForm5();

    int stepCount() const { return walk_.stepCount(); }
    std::int32_t demonstratedValue() const { return walk_.value(); }

protected:
    void FormShow() override;
    void prepare() override;

private:
    void LMDButton2Click();
    void RzURLLabel1Click();

    void showValue();
    void showTact(const Demonstration::View& view);

    DemonstrationPanel panel_;
    Demonstration::Walk walk_;
};

extern TForm5* Form5;
