#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Theory reader.
class TForm3 : public LabScreen {
    Q_OBJECT
public:
    TForm3();

private:
    void RzURLLabel1Click();

    TLinkLabel* RzURLLabel1;
};

extern TForm3* Form3;
