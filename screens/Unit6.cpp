// SPDX-License-Identifier: MIT
#include "screens/Unit6.h"

#include "foundation/ErrorReporter.h"
#include "foundation/Utf8Text.h"
#include "logic/IntegerText.h"
#include "logic/TactSteps.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"

#include <QPushButton>

TForm6* Form6 = nullptr;

TForm6::TForm6()
    : LabScreen(QStringLiteral("Практика кодирования"), QSize(604, 524), Border::Fixed),
      panel_(this), Label1(panel_.statusLine()), Label2(panel_.uaimField()),
      Label3(panel_.resultLine()), RxCalcEdit1(panel_.uetField()), Edit22(panel_.comparatorCell()),
      LMDButton1(panel_.stepButton()), RzURLLabel1(panel_.finalTestLink()),
      RzURLLabel2(panel_.repeatLink()), trace_(Coder::BuildCodingTrace(PracticeUaim)) {
    connect(LMDButton1, &QPushButton::clicked, this, &TForm6::LMDButton1Click);
    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm6::RzURLLabel1Click);
    connect(RzURLLabel2, &LinkLabel::clicked, this, &TForm6::RzURLLabel2Click);
    for (DigitCell* cell : panel_.registerCells()) {
        connect(cell, &DigitCell::keyDown, this, &TForm6::Edit14KeyDown);
        connect(cell, &DigitCell::doubleClicked, this, &TForm6::Edit14DblClick);
    }
    for (DigitCell* cell : panel_.row(PracticePanel::Row::Selector)) {
        connect(cell, &DigitCell::keyDown, this, &TForm6::Edit43KeyDown);
        connect(cell, &DigitCell::doubleClicked, this, &TForm6::Edit43DblClick);
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
    ErrorCount = 0;
    RzURLLabel1->hide();
    RzURLLabel2->hide();
    Label3->hide();
    LMDButton1->setEnabled(true);
    // Both generator rows stay visible until the sign is entered.
    panel_.resetForNewRun();
    prompts_ = Practice::Prompts{};
    panel_.showPrompts(prompts_);
}

void TForm6::prepare() {
    panel_.picture()->prepare();
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

void TForm6::LMDButton1Click() {
    if (PracticeStep >= TactSteps::kCount)
        return;
    const int step = PracticeStep + 1;
    // The end of tact 1 is entered with the Comparator cell in sight, refused or not.
    if (step == 2)
        Edit22->show();
    if (const auto failure = Practice::firstFailure(trace_, step, panel_.entries())) {
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
    if (effects.showsPolarity)
        panel_.showPolarity(trace_.positive);
    if (effects.clearSegmentBit)
        panel_.registerCells()[1]->setText(QStringLiteral("0"));
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
    panel_.hideSchematic();
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

void TForm6::touched(void (Practice::Prompts::*touch)()) {
    (prompts_.*touch)();
    panel_.showPrompts(prompts_);
}
