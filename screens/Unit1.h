#pragma once

#include "app/LabScreen.h"

class TLabel;
class TLinkLabel;

// Title screen.
class TForm1 : public LabScreen {
    Q_OBJECT
public:
    TForm1();

private:
    void RzURLLabel1Click();

    // In drawing order: each white shadow lies below its dark line.
    TLabel* Label5;
    TLabel* Label4;
    TLabel* Label1;
    TLabel* Label3;
    TLabel* Label2;
    TLinkLabel* RzURLLabel1;
};

extern TForm1* Form1;
