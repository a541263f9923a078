#include "screens/Unit2.h"

#include "screens/Unit3.h"
#include "widgets/Controls.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : LabScreen(QStringLiteral("Порядок выполнения работы:"), QSize(344, 223), Border::Fixed) {
    RzURLLabel1 =
        MakeLink(this, "RzURLLabel1", {88, 184}, QStringLiteral("Начать просмотр теории >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm2::RzURLLabel1Click);
}

void TForm2::RzURLLabel1Click() {
    goTo(Form3);
}
