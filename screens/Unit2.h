#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Work procedure.
class TForm2 : public LabScreen {
    Q_OBJECT
public:
    TForm2();

private:
    void RzURLLabel1Click();

    TLinkLabel* RzURLLabel1;
};

extern TForm2* Form2;
