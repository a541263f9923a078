#pragma once

#include "app/LabScreen.h"

class TLabel;
class TLinkLabel;

// Work procedure.
class TForm2 : public LabScreen {
    Q_OBJECT
public:
    TForm2();

private:
    void RzURLLabel1Click();

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label7;
    TLinkLabel* RzURLLabel1;
};

extern TForm2* Form2;
