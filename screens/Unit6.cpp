#include "screens/Unit6.h"

#include "foundation/ErrorReporter.h"
#include "logic/IntegerText.h"
#include "foundation/LabStyle.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/DigitCell.h"
#include "widgets/Label.h"
#include "widgets/Lamp.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"
#include "workbench/TactTexts.h"

#include <QPushButton>
#include <optional>
#include <vector>

TForm6* Form6 = nullptr;

namespace {

using Row = SchematicPanel::Row;

const QString kSignMessage = QStringLiteral("Не правильно введено значение знака входного сигнала");
const QString kSegmentMessage =
    QStringLiteral("Не правильно введено значение номера сегмента амплитудной характеристики");
const QString kComparatorMessage =
    QStringLiteral("Не правильно введено значение сигнала из компаратора");
const QString kGeneratorMessage = QStringLiteral("Не правильно введено значение из БКЭ");
const QString kSelectorMessage = QStringLiteral("Не правильно введено значение из БВС");
const QString kUetMessage = QStringLiteral("Не правильно введено значение Uэт");

constexpr int kLastStep = 16;
// From this many refused presses on, the run does not open the way to the final test.
constexpr int kErrorLimit = 1000;
// Trial weights of tact 3; with the 128 of tact 2 these are all that the segment search
// can have left switched on before tact 4.
constexpr int kTact3TrialLow = 32;
constexpr int kTact3TrialHigh = 512;

// Status line of practice step 1..16: odd steps start a tact, even ones end it.
QString stepStatus(int step) {
    return tactStatusText(step % 2 == 1, (step + 1) / 2);
}

DigitCell* asDigitCell(QWidget* cell) {
    return static_cast<DigitCell*>(cell);
}

void setShown(const QList<QWidget*>& widgets, bool shown) {
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

} // namespace

// The entries one practice step looks at, in the order they are checked.
class TForm6::StepChecks {
public:
    StepChecks(const SchematicPanel& panel, bool positive) : panel_(panel), positive_(positive) {}

    void registerCell(int tact, int bit) {
        addCell(panel_.registerCell(tact), bit, tact == 1 ? kSignMessage : kSegmentMessage);
    }
    void comparator(const TTactRecord& record) {
        checks_.push_back({panel_.comparatorCell(),
                           QString(QChar::fromLatin1(record.comparatorOutput)), 0,
                           &kComparatorMessage});
    }
    void generator(int weight, int bit) {
        addCell(panel_.referenceCell(SchematicPanel::polarityRow(positive_), weight), bit,
                kGeneratorMessage);
    }
    void selector(int weight, int bit) {
        addCell(panel_.referenceCell(Row::Selector, weight), bit, kSelectorMessage);
    }
    // The field holds levels signed by the polarity; zero is zero for either.
    void uet(double level) {
        checks_.push_back({nullptr, {}, positive_ || level == 0 ? level : -level, &kUetMessage});
    }

    // The message of the first wrong entry; nothing when every entry is right.
    std::optional<QString> firstFailure() const {
        for (const Check& check : checks_) {
            const bool right = check.cell ? SchematicPanel::cellText(check.cell) == check.text
                                          : panel_.uetField()->value() == check.level;
            if (!right)
                return *check.message;
        }
        return std::nullopt;
    }

private:
    struct Check {
        QWidget* cell; // nullptr: the U эт field
        QString text;
        double level;
        const QString* message;
    };

    void addCell(QWidget* cell, int bit, const QString& message) {
        checks_.push_back({cell, QString::number(bit), 0, &message});
    }

    const SchematicPanel& panel_;
    bool positive_;
    std::vector<Check> checks_;
};

TForm6::TForm6()
    : LabScreen(QStringLiteral("Практика кодирования"), QSize(604, 524), Border::Fixed),
      panel_(this, SchematicPanel::Flavour::Practice), Label1(panel_.statusLine()),
      Label2(panel_.uaimField()), Label3(panel_.resultLine()), Image1(panel_.picture()),
      RxCalcEdit1(panel_.uetField()), Edit22(asDigitCell(panel_.comparatorCell())),
      LMDLight1(panel_.registerLamp(false)), LMDLight2(panel_.registerLamp(true)),
      LMDLight3(panel_.selectorLamp(false)), LMDLight4(panel_.selectorLamp(true)),
      LMDButton1(panel_.stepButton()), RzURLLabel1(panel_.finalTestLink()),
      RzURLLabel2(panel_.repeatLink()), trace_(BuildCodingTrace(PracticeUaim)) {
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
    LMDLight1->show();
    for (QWidget* cell : panel_.allRowCells())
        SchematicPanel::setCellText(cell, QStringLiteral("0"));
}

void TForm6::FormActivate() {
    ErrorCount = 0;
    const QString text = Form9->valueText();
    const std::optional<std::int32_t> value = parseInt32(text.toStdString());
    if (!value) {
        // The practice input lets only whole numbers through; should anything else reach
        // this screen, it goes back there rather than check a run against a stale value.
        showErrorBox(this, QStringLiteral("'%1' is not a valid integer value").arg(text),
                     kPracticeErrorCaption);
        goTo(Form9);
        return;
    }
    PracticeUaim = *value;
    trace_ = BuildCodingTrace(PracticeUaim);
    const QString number = QString::number(PracticeUaim);
    Label1->setText(QStringLiteral("Значение Uаим для кодирования = ") + number +
                    QStringLiteral(". ") + stepStatus(1));
    Label2->setText(number);
}

TForm6::StepChecks TForm6::checksOf(int step) const {
    StepChecks checks(panel_, trace_.positive);
    const int tact = (step + 1) / 2;
    const TTactRecord& record = trace_.tacts[std::size_t(tact - 1)];
    const auto tactRecord = [this](int k) -> const TTactRecord& {
        return trace_.tacts[std::size_t(k - 1)];
    };
    const int w = record.trialWeight;
    switch (step) {
    case 1:
        checks.registerCell(1, 1);
        checks.comparator(record);
        break;
    case 2:
        checks.registerCell(1, record.bit);
        break;
    case 3:
        checks.comparator(record);
        checks.registerCell(2, 1);
        checks.generator(w, 1);
        checks.selector(w, 1);
        checks.uet(record.uetDuring);
        break;
    case 4:
        if (record.bit == 0) {
            checks.uet(record.uetAfter);
            checks.registerCell(2, 0);
            checks.selector(w, 0);
            checks.generator(w, 0);
        } else {
            checks.registerCell(2, 1);
            checks.selector(w, 1);
            checks.uet(record.uetAfter);
            checks.generator(w, 1);
        }
        break;
    case 5: {
        const int tact2Weight = tactRecord(2).trialWeight;
        checks.registerCell(3, 1);
        checks.generator(tact2Weight, 0);
        checks.selector(tact2Weight, 0);
        checks.comparator(record);
        checks.generator(w, 1);
        checks.selector(w, 1);
        checks.uet(record.uetDuring);
        break;
    }
    case 6:
    case 8: {
        // When the bit is cleared, the reference kept from before comes back on: the 128
        // of tact 2 (if X is set) after tact 3, the segment's base after tact 4.
        const int kept = step == 8                ? trace_.baseReference
                         : tactRecord(2).bit == 1 ? tactRecord(2).trialWeight
                                                  : 0;
        checks.registerCell(tact, record.bit);
        if (record.bit == 0 && kept > 0) {
            checks.generator(kept, 1);
            checks.selector(kept, 1);
        }
        checks.generator(w, record.bit);
        checks.selector(w, record.bit);
        checks.uet(record.uetAfter);
        break;
    }
    case 7:
        checks.registerCell(4, 1);
        for (const int earlier : {kTact3TrialLow, kTact3TrialHigh, tactRecord(2).trialWeight}) {
            checks.generator(earlier, 0);
            checks.selector(earlier, 0);
        }
        checks.comparator(record);
        checks.generator(w, 1);
        checks.selector(w, 1);
        checks.uet(record.uetDuring);
        break;
    default:
        if (step % 2 == 1) {
            checks.registerCell(tact, 1);
            checks.comparator(record);
            checks.generator(w, 1);
            checks.selector(w, 1);
            checks.uet(record.uetDuring);
        } else {
            checks.registerCell(tact, record.bit);
            if (record.bit == 0) {
                checks.generator(w, 0);
                checks.selector(w, 0);
            }
            checks.uet(record.uetAfter);
        }
        break;
    }
    return checks;
}

void TForm6::LMDButton1Click() {
    if (PracticeStep >= kLastStep)
        return;
    const int step = PracticeStep + 1;
    if (step == 2)
        Edit22->show();
    if (const std::optional<QString> failure = checksOf(step).firstFailure()) {
        ++ErrorCount;
        showErrorBox(this, *failure, kPracticeErrorCaption);
        return;
    }
    PracticeStep = step;
    applyStepEffects(step);
}

void TForm6::applyStepEffects(int step) {
    if (step == kLastStep) {
        finishRun();
        return;
    }
    Label1->setText(stepStatus(step + 1));
    // The Comparator cell is there exactly while the start of a tact is entered.
    Edit22->setVisible(step % 2 == 0);
    if (step == 1)
        showPolarity(true);
    if (step == 2) {
        showPolarity(false);
        SchematicPanel::setCellText(panel_.registerCell(2), QStringLiteral("0"));
    }
    resetPrompts();
}

void TForm6::showPolarity(bool rows) {
    const Row active = SchematicPanel::polarityRow(trace_.positive);
    panel_.openSwitch(active)->hide();
    panel_.closedSwitch(active)->show();
    if (rows) {
        const Row other = trace_.positive ? Row::Gen1 : Row::Gen2;
        setShown(panel_.row(active), true);
        setShown(panel_.row(other), false);
    }
}

void TForm6::finishRun() {
    Label1->setText(QStringLiteral("Кодирование завершено"));
    Edit22->hide();
    RzURLLabel1->setVisible(ErrorCount < kErrorLimit);
    RzURLLabel2->show();
    LMDButton1->setEnabled(false);
    setShown({LMDLight1, LMDLight2, LMDLight3, LMDLight4}, false);
    RxCalcEdit1->setBackground(LabStyle::kBtnFace);
    Edit22->setBackground(LabStyle::kBtnFace);
    setShown({Label1, Label2, Image1, panel_.openSwitch(Row::Gen1), panel_.closedSwitch(Row::Gen1),
              panel_.openSwitch(Row::Gen2), panel_.closedSwitch(Row::Gen2), RxCalcEdit1, Edit22,
              LMDButton1},
             false);
    setShown(panel_.allRowCells(), false);
    Label3->setText(QStringLiteral("Количество ошибок: ") + QString::number(ErrorCount));
    Label3->show();
}

void TForm6::resetPrompts() {
    LMDLight1->show();
    setShown({LMDLight2, LMDLight3, LMDLight4}, false);
    RxCalcEdit1->setBackground(LabStyle::kBtnFace);
    Edit22->setBackground(LabStyle::kBtnFace);
}

void TForm6::RzURLLabel1Click() {
    goTo(Form8);
}

void TForm6::RzURLLabel2Click() {
    resetRun();
    goTo(Form9);
}

void TForm6::Edit14KeyDown(int) {
    registerRowTouched();
}

void TForm6::Edit14DblClick() {
    registerRowTouched();
}

void TForm6::Edit43KeyDown(int) {
    selectorRowTouched();
}

void TForm6::Edit43DblClick() {
    selectorRowTouched();
}

void TForm6::registerRowTouched() {
    // Lamps are judged by their own shown flag, so the prompts work the same whether or
    // not the window is on screen.
    if (!LMDLight1->isHidden()) {
        LMDLight1->hide();
        LMDLight2->show();
    }
    if (!LMDLight4->isHidden()) {
        promptNextField();
    } else {
        LMDLight4->hide();
        LMDLight3->show();
    }
}

void TForm6::selectorRowTouched() {
    LMDLight4->show();
    promptNextField();
}

void TForm6::promptNextField() {
    if (RxCalcEdit1->background() == LabStyle::kBtnFace)
        RxCalcEdit1->setBackground(LabStyle::kPromptRed);
    else if (Edit22->background() == LabStyle::kBtnFace)
        Edit22->setBackground(LabStyle::kPromptRed);
}

void TForm6::RxCalcEdit1KeyDown(int) {
    RxCalcEdit1->setBackground(LabStyle::kPromptGreen);
    if (Edit22->background() == LabStyle::kBtnFace)
        Edit22->setBackground(LabStyle::kPromptRed);
}

void TForm6::Edit22KeyDown(int) {
    Edit22->setBackground(LabStyle::kPromptGreen);
}
