#include "screens/Unit6.h"

#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/Controls.h"

TForm6* Form6 = nullptr;

TForm6::TForm6()
    : LabScreen(QStringLiteral("Практика кодирования"), QSize(604, 524), Border::Fixed) {
    RzURLLabel1 =
        MakeLink(this, "RzURLLabel1", {392, 492}, QStringLiteral("Перейти к итоговому тесту >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm6::RzURLLabel1Click);
    RzURLLabel2 =
        MakeLink(this, "RzURLLabel2", {16, 492}, QStringLiteral("<< Повторить кодирование"));
    connect(RzURLLabel2, &TLinkLabel::clicked, this, &TForm6::RzURLLabel2Click);
}

void TForm6::RzURLLabel1Click() {
    goTo(Form8);
}

void TForm6::RzURLLabel2Click() {
    goTo(Form9);
}
