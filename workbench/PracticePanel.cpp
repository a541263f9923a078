// SPDX-License-Identifier: MIT
#include "workbench/PracticePanel.h"

#include "widgets/Controls.h"
#include "widgets/Lamp.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"
#include "workbench/SchematicDrawing.h"

namespace {

template <std::size_t N>
void readRow(const QList<DigitCell*>& cells, std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = cells[int(i)]->text().toStdString();
}

QColor colourOf(Practice::FieldPrompt prompt) {
    switch (prompt) {
    case Practice::FieldPrompt::Next:
        return LabStyle::kPromptRed;
    case Practice::FieldPrompt::Entered:
        return LabStyle::kPromptGreen;
    case Practice::FieldPrompt::None:
        break;
    }
    return LabStyle::kBtnFace;
}

} // namespace

PracticePanel::PracticePanel(QWidget* screen) : SchematicPanel(screen) {
    // Drawing order: switches, status line, Uаим field, links, lamps, picture, result line;
    // the input fields come last, above everything drawn.
    buildSwitches();
    buildStatusLine(QStringLiteral("Значение Uаим для кодирования = "));
    buildUaimField("Label2");
    finalTestLink_ =
        makeLink(screen, "RzURLLabel1", {392, 492}, QStringLiteral("Перейти к итоговому тесту >>"));
    repeatLink_ =
        makeLink(screen, "RzURLLabel2", {16, 492}, QStringLiteral("<< Повторить кодирование"));
    finalTestLink_->hide();
    repeatLink_->hide();
    buildLamps();
    buildPicture();
    resultLine_ = makeLabel(screen, "Label3", {224, 232}, QStringLiteral("Количество ошибок:"));

    buildCells();
    uetField_ = place(new NumericField(screen), "RxCalcEdit1", {420, 50, 43, 21});
    uetField_->setDecimals(0);
    uetField_->setDisplayFormat(QStringLiteral(",0.#"));
    uetField_->setValue(0);
    uetField_->setAccessibleName(QStringLiteral("U эт"));
    buildStepButton("LMDButton1", {264, 488, 75, 25}, QStringLiteral("Далее >>"));

    for (DigitCell* cell : rowCells())
        cell->raise();
    comparator_->raise();
    uetField_->raise();
    stepButton_->raise();

    wireMirrorRule();
    setTabOrder();
}

void PracticePanel::buildLamps() {
    // Each lamp fills its block from below the picture, whose outline and caption stay on top.
    struct LampLook {
        const char* name;
        Schematic::LitBlock block;
        QColor color;
        bool lit;
        const char* prompt;
    };
    static const std::array<LampLook, 4> kLamps{{
        {"LMDLight1", Schematic::LitBlock::DigitalRegister, LabStyle::kPromptRed, true,
         "Заполнить ЦР"},
        {"LMDLight2", Schematic::LitBlock::DigitalRegister, LabStyle::kPromptGreen, false,
         "ЦР заполнен"},
        {"LMDLight3", Schematic::LitBlock::SegmentSelector, LabStyle::kPromptRed, true,
         "Заполнить БВС"},
        {"LMDLight4", Schematic::LitBlock::SegmentSelector, LabStyle::kPromptGreen, false,
         "БВС заполнен"},
    }};
    for (std::size_t i = 0; i < kLamps.size(); ++i) {
        const LampLook& look = kLamps[i];
        lamps_[i] = place(new Lamp(look.color, look.lit, screen_), look.name,
                          Schematic::lampArea(look.block).translated(Schematic::kPictureOrigin));
        lamps_[i]->setAccessibleName(QString::fromUtf8(look.prompt));
        // A new step starts with the red register lamp alone.
        lamps_[i]->setVisible(i == 0);
    }
}

void PracticePanel::wireMirrorRule() {
    // A SegmentSelector cell is copied into the Gen1 and Gen2 cells of its weight, whoever
    // changes it; nothing flows back.
    const QList<DigitCell*>& selector = row(Row::Selector);
    for (int i = 0; i < selector.size(); ++i) {
        DigitCell* source = selector[i];
        DigitCell* gen1 = row(Row::Gen1)[i];
        DigitCell* gen2 = row(Row::Gen2)[i];
        QObject::connect(source, &QLineEdit::textChanged, source,
                         [gen1, gen2](const QString& text) {
                             gen1->setText(text);
                             gen2->setText(text);
                         });
    }
}

void PracticePanel::setTabOrder() {
    QList<QWidget*> order;
    for (const QList<DigitCell*>& cells : rows_)
        for (DigitCell* cell : cells)
            order << cell;
    order << uetField_ << comparator_ << register_[1] << register_[0];
    for (DigitCell* cell : register_.mid(2))
        order << cell;
    order << stepButton_;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

Practice::Entries PracticePanel::entries() const {
    Practice::Entries entries;
    readRow(register_, entries.registerCells);
    readRow(row(Row::Gen1), entries.gen1);
    readRow(row(Row::Gen2), entries.gen2);
    readRow(row(Row::Selector), entries.selector);
    entries.comparator = comparator_->text().toStdString();
    entries.uet = uetField_->value();
    return entries;
}

void PracticePanel::showPrompts(const Practice::Prompts& prompts) {
    lamps_[0]->setVisible(prompts.registerRed);
    lamps_[1]->setVisible(prompts.registerGreen);
    lamps_[2]->setVisible(prompts.selectorRed);
    lamps_[3]->setVisible(prompts.selectorGreen);
    uetField_->setBackground(colourOf(prompts.uet));
    comparator_->setBackground(colourOf(prompts.comparator));
}

void PracticePanel::showParts(bool shown) {
    for (QWidget* part : std::initializer_list<QWidget*>{picture_, statusLine_, uaimField_,
                                                         uetField_, comparator_, stepButton_})
        part->setVisible(shown);
}

void PracticePanel::resetForNewRun() {
    showParts(true);
    comparator_->setText(QStringLiteral("0"));
    uetField_->setValue(0);
    clearCells();
}

void PracticePanel::hideSchematic() {
    showParts(false);
    showSwitches(false, false);
    for (DigitCell* cell : rowCells())
        cell->hide();
}
