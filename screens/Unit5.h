#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Coder demonstration.
class TForm5 : public LabScreen {
    Q_OBJECT
public:
    TForm5();

private:
    void RzURLLabel1Click();

    TLinkLabel* RzURLLabel1;
};

extern TForm5* Form5;
