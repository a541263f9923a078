#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Title screen.
class TForm1 : public LabScreen {
    Q_OBJECT
public:
    TForm1();

private:
    void RzURLLabel1Click();

    TLinkLabel* RzURLLabel1;
};

extern TForm1* Form1;
