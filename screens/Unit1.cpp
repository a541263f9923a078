// SPDX-License-Identifier: MIT
#include "screens/Unit1.h"

#include "foundation/LabTitle.h"
#include "widgets/Controls.h"

TForm1* Form1 = nullptr;

namespace {

using LabTitle::kOccupation;
using LabTitle::kTopic;

// A title line in the fixed box it shares with its shadow. The shadow is white on an opaque
// button face and goes first, so the dark line drawn next, two pixels to the left, covers
// most of it and leaves a light edge on the right.
Label* makeTitleLine(QWidget* parent, const char* name, const QRect& box, const QString& text,
                     bool shadow) {
    Label* label = makeLabel(parent, name, box.topLeft(), text, LabStyle::sans(18, true));
    label->setFixedSize(box.size());
    label->setAlignment(Qt::AlignCenter);
    if (shadow) {
        label->setTextColor(Qt::white);
        label->setOpaque(true);
        LabScreen::markDecorative(label);
    }
    return label;
}

} // namespace

TForm1::TForm1()
    : LabScreen(kOccupation.toString() + QLatin1Char(' ') + kTopic.toString(), QSize(412, 207),
                Border::Fixed) {
    Label5 = makeTitleLine(this, "Label5", {10, 40, 400, 24}, kTopic.toString(), true);
    Label4 = makeTitleLine(this, "Label4", {8, 40, 400, 24}, kTopic.toString(), false);
    Label1 = makeLabel(this, "Label1", {136, 184}, QStringLiteral("Новосибирск, 2026"));
    Label1->setFixedSize(133, 16);
    Label1->setAlignment(Qt::AlignCenter);
    Label3 = makeTitleLine(this, "Label3", {26, 8, 360, 24}, kOccupation.toString(), true);
    Label2 = makeTitleLine(this, "Label2", {24, 8, 360, 24}, kOccupation.toString(), false);
    RzURLLabel1 = makeLink(this, "RzURLLabel1", {152, 112}, QStringLiteral("Начать работу >>"));
    RzURLLabel1->setFixedSize(115, 16);
    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm1::RzURLLabel1Click);
}

void TForm1::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}
