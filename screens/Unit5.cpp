#include "screens/Unit5.h"

#include "screens/Unit9.h"
#include "widgets/Controls.h"

TForm5* Form5 = nullptr;

TForm5::TForm5()
    : LabScreen(QStringLiteral("Демонстрация работы нелинейного кодера"), QSize(604, 523),
                Border::Fixed) {
    RzURLLabel1 = MakeLink(this, "RzURLLabel1", {360, 491},
                           QStringLiteral("Перейти к практике кодирования >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm5::RzURLLabel1Click);
}

void TForm5::RzURLLabel1Click() {
    goTo(Form9);
}
