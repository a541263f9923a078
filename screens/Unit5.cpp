// SPDX-License-Identifier: MIT
#include "screens/Unit5.h"

#include "foundation/Utf8Text.h"
#include "logic/RandomDraw.h"
#include "logic/StatusLine.h"
#include "screens/Unit9.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"

#include <QPushButton>

TForm5* Form5 = nullptr;

namespace {

constexpr int kStepsPerCycle = 16;

QString bitText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TForm5::TForm5()
    : LabScreen(QStringLiteral("Демонстрация работы нелинейного кодера"), QSize(604, 523)),
      panel_(this, SchematicPanel::Flavour::Demonstration), trace_(BuildCodingTrace(0)) {
    connect(panel_.stepButton(), &QPushButton::clicked, this, &TForm5::LMDButton2Click);
    connect(panel_.practiceLink(), &LinkLabel::clicked, this, &TForm5::RzURLLabel1Click);
}

void TForm5::prepare() {
    panel_.picture()->prepare();
}

void TForm5::FormShow() {
    drawValue();
}

void TForm5::drawValue() {
    // A zero is drawn again once; the second draw stands, even a zero.
    uaim_ = drawAvoiding([] { return DrawRandom(4001) - 2000; }, {0}, 2);
    trace_ = BuildCodingTrace(uaim_);
    panel_.statusLine()->setText(toQString(valueStatus(uaim_) + '.'));
    panel_.uaimField()->setText(QString::number(uaim_));
}

void TForm5::LMDButton2Click() {
    ++stepCount_;
    if (stepCount_ > kStepsPerCycle) {
        restart();
        return;
    }
    const int tact = (stepCount_ + 1) / 2;
    const TTactRecord& record = trace_.tacts[std::size_t(tact - 1)];
    if (stepCount_ % 2 == 1)
        startTact(record);
    else
        endTact(record);
}

void TForm5::startTact(const TTactRecord& record) {
    panel_.statusLine()->setText(toQString(tactStatus(true, record.tact)));
    SchematicPanel::setCellText(panel_.registerCell(record.tact), QStringLiteral("1"));
    SchematicPanel::setCellText(panel_.comparatorCell(),
                                QString(QChar::fromLatin1(record.comparatorOutput)));
    panel_.comparatorCell()->show();
    showReferences(record.referencesDuring);
    if (record.tact == 1) {
        const auto own = SchematicPanel::polarityRow(trace_.positive);
        const auto other = SchematicPanel::polarityRow(!trace_.positive);
        panel_.openSwitch(own)->hide();
        panel_.closedSwitch(own)->show();
        for (QWidget* cell : panel_.row(own))
            cell->show();
        for (QWidget* cell : panel_.row(other))
            cell->hide();
    } else {
        panel_.uetLabel()->setText(
            QString::fromStdString(FormatUet(record.uetDuring, trace_.positive)));
    }
}

void TForm5::endTact(const TTactRecord& record) {
    panel_.statusLine()->setText(record.tact == 8
                                     ? QStringLiteral("Конец 8-го такта. Кодирование завершено.")
                                     : toQString(tactStatus(false, record.tact)));
    panel_.comparatorCell()->hide();
    SchematicPanel::setCellText(panel_.registerCell(record.tact), bitText(record.bit == 1));
    showReferences(record.referencesAfter);
    if (record.tact != 1)
        panel_.uetLabel()->setText(
            QString::fromStdString(FormatUet(record.uetAfter, trace_.positive)));
}

void TForm5::showReferences(const TReferenceSet& references) {
    // The polarity's generator row and the SegmentSelector row always show the same set.
    for (const auto row :
         {SchematicPanel::polarityRow(trace_.positive), SchematicPanel::Row::Selector})
        for (const int weight : kReferenceWeights)
            SchematicPanel::setCellText(panel_.referenceCell(row, weight),
                                        bitText(references.contains(weight)));
}

void TForm5::restart() {
    drawValue();
    stepCount_ = 0;
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
    goTo(Form9);
}
