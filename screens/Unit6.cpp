// SPDX-License-Identifier: MIT
#include "screens/Unit6.h"

#include "foundation/ErrorReporter.h"
#include "foundation/Utf8Text.h"
#include "logic/IntegerText.h"
#include "logic/TactSteps.h"
#include "widgets/DigitCell.h"
#include "widgets/Label.h"
#include "widgets/Lamp.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"

#include <QPushButton>

TForm6* Form6 = nullptr;

namespace {

using Row = SchematicPanel::Row;

DigitCell* asDigitCell(QWidget* cell) {
    return static_cast<DigitCell*>(cell);
}

void setShown(const QList<QWidget*>& widgets, bool shown) {
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

template <std::size_t N>
void readRow(const QList<QWidget*>& cells, std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = SchematicPanel::cellText(cells[int(i)]).toStdString();
}

} // namespace

TForm6::TForm6()
    : LabScreen(QStringLiteral("Практика кодирования"), QSize(604, 524), Border::Fixed),
      panel_(this, SchematicPanel::Flavour::Practice), Label1(panel_.statusLine()),
      Label2(panel_.uaimField()), Label3(panel_.resultLine()), Image1(panel_.picture()),
      RxCalcEdit1(panel_.uetField()), Edit22(asDigitCell(panel_.comparatorCell())),
      LMDLight1(panel_.registerLamp(false)), LMDLight2(panel_.registerLamp(true)),
      LMDLight3(panel_.selectorLamp(false)), LMDLight4(panel_.selectorLamp(true)),
      LMDButton1(panel_.stepButton()), RzURLLabel1(panel_.finalTestLink()),
      RzURLLabel2(panel_.repeatLink()), trace_(Coder::BuildCodingTrace(PracticeUaim)) {
    connect(LMDButton1, &QPushButton::clicked, this, &TForm6::LMDButton1Click);
    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm6::RzURLLabel1Click);
    connect(RzURLLabel2, &LinkLabel::clicked, this, &TForm6::RzURLLabel2Click);
    for (QWidget* cell : panel_.registerCells()) {
        connect(asDigitCell(cell), &DigitCell::keyDown, this, &TForm6::Edit14KeyDown);
        connect(asDigitCell(cell), &DigitCell::doubleClicked, this, &TForm6::Edit14DblClick);
    }
    for (QWidget* cell : panel_.row(Row::Selector)) {
        connect(asDigitCell(cell), &DigitCell::keyDown, this, &TForm6::Edit43KeyDown);
        connect(asDigitCell(cell), &DigitCell::doubleClicked, this, &TForm6::Edit43DblClick);
    }
    connect(RxCalcEdit1, &NumericField::keyDown, this, &TForm6::RxCalcEdit1KeyDown);
    connect(Edit22, &DigitCell::keyDown, this, &TForm6::Edit22KeyDown);
    FormCreate();
}

void TForm6::FormCreate() {
    resetRun();
}

void TForm6::resetRun() {
    PracticeStep = 0;
    RzURLLabel1->hide();
    RzURLLabel2->hide();
    LMDButton1->setEnabled(true);
    Edit22->setText(QStringLiteral("0"));
    Edit22->show();
    RxCalcEdit1->setValue(0);
    // Both generator rows stay visible until the sign is entered.
    setShown({Image1, Label1, Label2, panel_.openSwitch(Row::Gen1), panel_.openSwitch(Row::Gen2),
              RxCalcEdit1, Edit22},
             true);
    setShown(panel_.allRowCells(), true);
    LMDButton1->show();
    ErrorCount = 0;
    Label3->hide();
    // Only the red register lamp: the other lamps and the fields' colours are already off,
    // at creation and after a finished run alike.
    prompts_.registerRed = true;
    panel_.showPrompts(prompts_);
    for (QWidget* cell : panel_.allRowCells())
        SchematicPanel::setCellText(cell, QStringLiteral("0"));
}

void TForm6::prepare() {
    Image1->prepare();
}

void TForm6::FormActivate() {
    ErrorCount = 0;
    const QString text = valueSource_ ? valueSource_() : QString();
    const std::optional<std::int32_t> value = parseInt32(text.toStdString());
    if (!value) {
        // The practice input lets only whole numbers through; should anything else reach
        // this screen, it goes back there rather than check a run against a stale value.
        showErrorBox(this, QStringLiteral("'%1' is not a valid integer value").arg(text),
                     kPracticeErrorCaption);
        Q_EMIT goBackRequested();
        return;
    }
    PracticeUaim = *value;
    trace_ = Coder::BuildCodingTrace(PracticeUaim);
    Label1->setText(toQString(Practice::openingStatus(PracticeUaim)));
    Label2->setText(QString::number(PracticeUaim));
}

Practice::Entries TForm6::entries() const {
    Practice::Entries entries;
    readRow(panel_.registerCells(), entries.registerCells);
    readRow(panel_.row(Row::Gen1), entries.gen1);
    readRow(panel_.row(Row::Gen2), entries.gen2);
    readRow(panel_.row(Row::Selector), entries.selector);
    entries.comparator = Edit22->text().toStdString();
    entries.uet = RxCalcEdit1->value();
    return entries;
}

void TForm6::LMDButton1Click() {
    if (PracticeStep >= TactSteps::kCount)
        return;
    const int step = PracticeStep + 1;
    // The end of tact 1 is entered with the Comparator cell in sight, refused or not.
    if (step == 2)
        Edit22->show();
    if (const auto failure = Practice::firstFailure(trace_, step, entries())) {
        ++ErrorCount;
        showErrorBox(this, toQString(*failure), kPracticeErrorCaption);
        return;
    }
    PracticeStep = step;
    applyStepEffects(Practice::effectsOf(step));
}

void TForm6::applyStepEffects(const Practice::StepEffects& effects) {
    if (effects.finished) {
        finishRun();
        return;
    }
    Label1->setText(toQString(effects.status));
    Edit22->setVisible(effects.comparatorShown);
    const Row active = SchematicPanel::polarityRow(trace_.positive);
    if (effects.closeSwitch) {
        panel_.openSwitch(active)->hide();
        panel_.closedSwitch(active)->show();
    }
    if (effects.polarityRowAlone) {
        setShown(panel_.row(active), true);
        setShown(panel_.row(trace_.positive ? Row::Gen1 : Row::Gen2), false);
    }
    if (effects.clearSegmentBit)
        SchematicPanel::setCellText(panel_.registerCell(2), QStringLiteral("0"));
    prompts_ = Practice::Prompts{};
    panel_.showPrompts(prompts_);
}

void TForm6::finishRun() {
    Label1->setText(toQString(Practice::effectsOf(TactSteps::kCount).status));
    Edit22->hide();
    RzURLLabel1->setVisible(Practice::leadsToFinalTest(ErrorCount));
    RzURLLabel2->show();
    LMDButton1->setEnabled(false);
    prompts_ = Practice::Prompts::allOff();
    panel_.showPrompts(prompts_);
    setShown({Label1, Label2, Image1, panel_.openSwitch(Row::Gen1), panel_.closedSwitch(Row::Gen1),
              panel_.openSwitch(Row::Gen2), panel_.closedSwitch(Row::Gen2), RxCalcEdit1, Edit22,
              LMDButton1},
             false);
    setShown(panel_.allRowCells(), false);
    Label3->setText(toQString(Practice::errorCountText(ErrorCount)));
    Label3->show();
    Q_EMIT runFinished(PracticeUaim, ErrorCount);
}

void TForm6::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}

void TForm6::RzURLLabel2Click() {
    resetRun();
    Q_EMIT goBackRequested();
}

void TForm6::Edit14KeyDown(int) {
    prompts_.registerRowTouched();
    panel_.showPrompts(prompts_);
}

void TForm6::Edit14DblClick() {
    prompts_.registerRowTouched();
    panel_.showPrompts(prompts_);
}

void TForm6::Edit43KeyDown(int) {
    prompts_.selectorRowTouched();
    panel_.showPrompts(prompts_);
}

void TForm6::Edit43DblClick() {
    prompts_.selectorRowTouched();
    panel_.showPrompts(prompts_);
}

void TForm6::RxCalcEdit1KeyDown(int) {
    prompts_.uetTouched();
    panel_.showPrompts(prompts_);
}

void TForm6::Edit22KeyDown(int) {
    prompts_.comparatorTouched();
    panel_.showPrompts(prompts_);
}
