#include "screens/Unit3.h"

#include "screens/Unit4.h"
#include "widgets/Controls.h"

TForm3* Form3 = nullptr;

TForm3::TForm3() : LabScreen(QStringLiteral("Просмотр теории"), QSize(590, 441), Border::Fixed) {
    RzURLLabel1 =
        MakeLink(this, "RzURLLabel1", {176, 400}, QStringLiteral("Перейти к вводному тесту >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm3::RzURLLabel1Click);
}

void TForm3::RzURLLabel1Click() {
    goTo(Form4);
}
