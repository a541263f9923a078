// SPDX-License-Identifier: MIT
#include "screens/Unit5.h"

#include "foundation/Utf8Text.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"

#include <QPushButton>

TForm5* Form5 = nullptr;

namespace {

QString digitText(char digit) {
    return QString(QChar::fromLatin1(digit));
}

} // namespace

TForm5::TForm5()
    : LabScreen(QStringLiteral("Демонстрация работы нелинейного кодера"), QSize(604, 523)),
      panel_(this) {
    connect(panel_.stepButton(), &QPushButton::clicked, this, &TForm5::LMDButton2Click);
    connect(panel_.practiceLink(), &LinkLabel::clicked, this, &TForm5::RzURLLabel1Click);
}

void TForm5::prepare() {
    panel_.picture()->prepare();
}

void TForm5::FormShow() {
    walk_.drawValue();
    showValue();
}

void TForm5::showValue() {
    panel_.statusLine()->setText(toQString(walk_.valueStatus()));
    panel_.uaimField()->setText(QString::number(walk_.value()));
}

void TForm5::LMDButton2Click() {
    const Demonstration::View view = walk_.press();
    if (view.kind == Demonstration::View::Kind::Restart) {
        showValue();
        panel_.resetForNewRun();
    } else {
        showTact(view);
    }
}

void TForm5::showTact(const Demonstration::View& view) {
    const bool start = view.kind == Demonstration::View::Kind::Start;
    panel_.statusLine()->setText(toQString(view.status));
    panel_.registerCells()[view.tact - 1]->setText(digitText(view.registerDigit));
    // The Comparator's output is in sight while the comparison is.
    if (start)
        panel_.comparatorCell()->setText(digitText(view.comparator));
    panel_.comparatorCell()->setVisible(start);
    // The value's generator row and the SegmentSelector row always show the same set.
    panel_.setReferences(DemonstrationPanel::polarityRow(walk_.positive()), view.references);
    panel_.setReferences(DemonstrationPanel::Row::Selector, view.references);
    if (view.uet)
        panel_.uetLabel()->setText(toQString(*view.uet));
    if (view.closesSwitch)
        panel_.showPolarity(walk_.positive());
}

void TForm5::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}
