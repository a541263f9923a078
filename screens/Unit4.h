#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Intro test.
class TForm4 : public LabScreen {
    Q_OBJECT
public:
    TForm4();

private:
    void RzURLLabel3Click();

    TLinkLabel* RzURLLabel3;
};

extern TForm4* Form4;
