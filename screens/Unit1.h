// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"

class Label;
class LinkLabel;

// Title screen.
class TForm1 : public LabScreen {
    Q_OBJECT
public:
    TForm1();

private:
    void RzURLLabel1Click();

    // In drawing order: each white shadow lies below its dark line.
    Label* Label5;
    Label* Label4;
    Label* Label1;
    Label* Label3;
    Label* Label2;
    LinkLabel* RzURLLabel1;
};

extern TForm1* Form1;
