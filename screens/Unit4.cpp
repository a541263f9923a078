#include "screens/Unit4.h"

#include "screens/Unit5.h"
#include "widgets/Controls.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() : LabScreen(QStringLiteral("Вводный тест"), QSize(578, 358), Border::Fixed) {
    RzURLLabel3 = MakeLink(this, "RzURLLabel3", {280, 328},
                           QStringLiteral("Перейти к демонстрации работы кодера >>"));
    connect(RzURLLabel3, &TLinkLabel::clicked, this, &TForm4::RzURLLabel3Click);
}

void TForm4::RzURLLabel3Click() {
    goTo(Form5);
}
