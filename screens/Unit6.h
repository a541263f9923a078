#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Coding practice.
class TForm6 : public LabScreen {
    Q_OBJECT
public:
    TForm6();

private:
    void RzURLLabel1Click();
    void RzURLLabel2Click();

    TLinkLabel* RzURLLabel1;
    TLinkLabel* RzURLLabel2;
};

extern TForm6* Form6;
