#pragma once

#include "app/LabScreen.h"

class TLinkLabel;

// Final test.
class TForm8 : public LabScreen {
    Q_OBJECT
public:
    TForm8();
};

extern TForm8* Form8;
