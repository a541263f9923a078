#pragma once

#include "app/LabScreen.h"

class QLineEdit;
class TLabel;
class TLinkLabel;

// Practice input: the students enter the value they will code themselves.
class TForm9 : public LabScreen {
    Q_OBJECT
public:
    TForm9();

    // The value as typed; the coding practice converts it when it opens.
    QString valueText() const;

private:
    void RzURLLabel3Click();

    TLabel* Label1;
    TLabel* Label2;
    QLineEdit* Edit1;
    TLinkLabel* RzURLLabel3;
};

extern TForm9* Form9;
