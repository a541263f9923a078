// SPDX-License-Identifier: MIT
#include "screens/Unit2.h"

#include "widgets/Controls.h"

TForm2* Form2 = nullptr;

namespace {

Label* makeRedLine(QWidget* parent, const char* name, QPoint at, const QString& text) {
    Label* label = makeLabel(parent, name, at, text);
    label->setTextColor(LabStyle::kPromptRed);
    return label;
}

} // namespace

TForm2::TForm2()
    : LabScreen(QStringLiteral("Порядок выполнения работы:"), QSize(344, 223), Border::Fixed) {
    Label1 = makeRedLine(this, "Label1", {72, 16}, QStringLiteral("Порядок выполнения работы:"));
    Label2 = makeRedLine(this, "Label2", {16, 48},
                         QStringLiteral("- Ознакомиться с теорией кодирования;"));
    Label3 = makeRedLine(this, "Label3", {16, 72},
                         QStringLiteral("- Верно ответить на вопросы вводного теста;"));
    Label4 = makeRedLine(this, "Label4", {16, 96},
                         QStringLiteral("- Изучить принцип работы нелинейного кодера;"));
    Label5 = makeRedLine(this, "Label5", {16, 120},
                         QStringLiteral("- Самомтоятельно произвести кодирование;"));
    Label7 = makeRedLine(this, "Label7", {16, 144}, QStringLiteral("- Выполнить итоговый тест."));
    RzURLLabel1 =
        makeLink(this, "RzURLLabel1", {88, 184}, QStringLiteral("Начать просмотр теории >>"));
    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm2::RzURLLabel1Click);
}

void TForm2::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}
