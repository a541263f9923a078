#include "screens/Unit2.h"

#include "screens/Unit3.h"
#include "widgets/Controls.h"

TForm2* Form2 = nullptr;

namespace {

TLabel* MakeRedLine(QWidget* parent, const char* name, QPoint at, const QString& text) {
    TLabel* label = MakeLabel(parent, name, at, text);
    label->setTextColor(LabStyle::kPromptRed);
    return label;
}

} // namespace

TForm2::TForm2()
    : LabScreen(QStringLiteral("Порядок выполнения работы:"), QSize(344, 223), Border::Fixed) {
    Label1 = MakeRedLine(this, "Label1", {72, 16}, QStringLiteral("Порядок выполнения работы:"));
    Label2 = MakeRedLine(this, "Label2", {16, 48},
                         QStringLiteral("- Ознакомиться с теорией кодирования;"));
    Label3 = MakeRedLine(this, "Label3", {16, 72},
                         QStringLiteral("- Верно ответить на вопросы вводного теста;"));
    Label4 = MakeRedLine(this, "Label4", {16, 96},
                         QStringLiteral("- Изучить принцип работы нелинейного кодера;"));
    Label5 = MakeRedLine(this, "Label5", {16, 120},
                         QStringLiteral("- Самомтоятельно произвести кодирование;"));
    Label7 = MakeRedLine(this, "Label7", {16, 144}, QStringLiteral("- Выполнить итоговый тест."));
    RzURLLabel1 =
        MakeLink(this, "RzURLLabel1", {88, 184}, QStringLiteral("Начать просмотр теории >>"));
    connect(RzURLLabel1, &TLinkLabel::clicked, this, &TForm2::RzURLLabel1Click);
}

void TForm2::RzURLLabel1Click() {
    goTo(Form3);
}
