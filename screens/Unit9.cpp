// SPDX-License-Identifier: MIT
#include "screens/Unit9.h"

#include "foundation/ErrorReporter.h"
#include "foundation/Utf8Text.h"
#include "logic/PracticeInput.h"
#include "widgets/Controls.h"

TForm9* Form9 = nullptr;

TForm9::TForm9()
    : LabScreen(QStringLiteral("Практика кодирования"), QSize(577, 226), Border::Sizeable) {
    move(405, 327);
    Label1 = makeLabel(this, "Label1", {40, 24},
                       QStringLiteral("Введите значение Uаим для кодирования"), LabStyle::sans(24));
    Label2 = makeLabel(this, "Label2", {176, 72}, QStringLiteral("Uаим ="));
    Edit1 = makeEdit(this, "Edit1", {232, 64, 121, 21});
    Edit1->setAccessibleName(Label2->text());
    RzURLLabel3 =
        makeLink(this, "RzURLLabel3", {208, 201}, QStringLiteral("Перейти к кодированию >>"));
    connect(RzURLLabel3, &LinkLabel::clicked, this, &TForm9::RzURLLabel3Click);
}

QString TForm9::valueText() const {
    return Edit1->text();
}

void TForm9::RzURLLabel3Click() {
    if (const auto refusal = Practice::inputRefusal(Edit1->text().toStdString())) {
        showErrorBox(this, toQString(*refusal), kPracticeErrorCaption);
        return;
    }
    Q_EMIT goOnRequested();
}
