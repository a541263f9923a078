// SPDX-License-Identifier: MIT
#include "screens/Unit9.h"

#include "foundation/ErrorReporter.h"
#include "logic/IntegerText.h"
#include "screens/Unit6.h"
#include "widgets/Controls.h"

TForm9* Form9 = nullptr;

namespace {

bool containsLatinLetter(const QString& text) {
    for (const QChar c : text)
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return true;
    return false;
}

} // namespace

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
    const QString text = Edit1->text();
    QString refusal;
    if (text.isEmpty())
        refusal = QStringLiteral("Не введено значение Uаим");
    else if (text == QLatin1String("0"))
        refusal = QStringLiteral("Uаим не должен равняться 0");
    else if (containsLatinLetter(text) || !parseInt32(text.toStdString()))
        // Anything that is not a whole number would fail on the coding screen; it is
        // refused here with the same words, so the students never code a value they did
        // not enter.
        refusal = QStringLiteral("Значение Uаим должно быть числом");
    if (!refusal.isEmpty()) {
        showErrorBox(this, refusal, kPracticeErrorCaption);
        return;
    }
    goTo(Form6);
}
