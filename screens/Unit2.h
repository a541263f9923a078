// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"

class Label;
class LinkLabel;

// Work procedure.
class TForm2 : public LabScreen {
    Q_OBJECT
public:
    TForm2();

private:
    void RzURLLabel1Click();

    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Label* Label7;
    LinkLabel* RzURLLabel1;
};

extern TForm2* Form2;
