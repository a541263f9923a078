// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"

class QLineEdit;
class QPushButton;
class Label;

// Registration: one or two students type their names, which the final report shows.
class TForm7 : public LabScreen {
    Q_OBJECT
public:
    TForm7();

    // The names as typed, read by the final report.
    QString firstStudent() const;
    QString secondStudent() const;

protected:
    void FormShow() override;

private:
    void Edit1Change();
    void Button1Click();

    Label* Label1;
    Label* Label2;
    QLineEdit* Edit1;
    Label* Label3;
    QLineEdit* Edit2;
    QPushButton* Button1;
};

extern TForm7* Form7;
