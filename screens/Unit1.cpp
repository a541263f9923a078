#include "screens/Unit1.h"

#include "screens/Unit7.h"
#include "widgets/Controls.h"

TForm1* Form1 = nullptr;

TForm1::TForm1()
    : LabScreen(
          QStringLiteral("Лабораторно-практическое занятие \"Изучение работы нелинейного кодера\""),
          QSize(412, 207), Border::Fixed) {
    RzURLLabel1 = MakeLink(this, "RzURLLabel1", {152, 112}, QStringLiteral("Начать работу >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm1::RzURLLabel1Click);
}

void TForm1::RzURLLabel1Click() {
    goTo(Form7);
}
