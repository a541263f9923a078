// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"

class QLineEdit;
class Label;
class LinkLabel;

// Practice input: the students enter the value they will code themselves.
class TForm9 : public LabScreen {
    Q_OBJECT
public:
    TForm9();

    // The value as typed; the coding practice converts it when it opens.
    QString valueText() const;

private:
    void RzURLLabel3Click();

    Label* Label1;
    Label* Label2;
    QLineEdit* Edit1;
    LinkLabel* RzURLLabel3;
};

extern TForm9* Form9;
