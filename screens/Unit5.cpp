// SPDX-License-Identifier: MIT
#include "screens/Unit5.h"

#include "foundation/Utf8Text.h"
#include "widgets/Label.h"
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
      panel_(this, SchematicPanel::Flavour::Demonstration) {
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
        clearSchematic();
    } else {
        showTact(view);
    }
}

void TForm5::showTact(const Demonstration::View& view) {
    const bool start = view.kind == Demonstration::View::Kind::Start;
    panel_.statusLine()->setText(toQString(view.status));
    SchematicPanel::setCellText(panel_.registerCell(view.tact), digitText(view.registerDigit));
    // The Comparator's output is in sight while the comparison is.
    if (start)
        SchematicPanel::setCellText(panel_.comparatorCell(), digitText(view.comparator));
    panel_.comparatorCell()->setVisible(start);
    showReferences(view.references);
    if (view.uet)
        panel_.uetLabel()->setText(toQString(*view.uet));
    if (view.closesSwitch) {
        const auto own = SchematicPanel::polarityRow(walk_.positive());
        const auto other = SchematicPanel::polarityRow(!walk_.positive());
        panel_.openSwitch(own)->hide();
        panel_.closedSwitch(own)->show();
        for (QWidget* cell : panel_.row(own))
            cell->show();
        for (QWidget* cell : panel_.row(other))
            cell->hide();
    }
}

void TForm5::showReferences(const Coder::TReferenceSet& references) {
    // The value's generator row and the SegmentSelector row always show the same set.
    for (const auto row :
         {SchematicPanel::polarityRow(walk_.positive()), SchematicPanel::Row::Selector})
        for (const int weight : Coder::kReferenceWeights)
            SchematicPanel::setCellText(panel_.referenceCell(row, weight),
                                        references.contains(weight) ? QStringLiteral("1")
                                                                    : QStringLiteral("0"));
}

void TForm5::clearSchematic() {
    panel_.uetLabel()->setText(QStringLiteral("0"));
    for (QWidget* cell : panel_.allRowCells())
        SchematicPanel::setCellText(cell, QStringLiteral("0"));
    for (const auto generator : {SchematicPanel::Row::Gen1, SchematicPanel::Row::Gen2}) {
        panel_.closedSwitch(generator)->hide();
        panel_.openSwitch(generator)->show();
        for (QWidget* cell : panel_.row(generator))
            cell->show();
    }
    // The Comparator cell keeps its last text, hidden until the next first tact.
}

void TForm5::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}
