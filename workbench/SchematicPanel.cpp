// SPDX-License-Identifier: MIT
#include "workbench/SchematicPanel.h"

#include "coder/CoderModel.h"
#include "widgets/Controls.h"
#include "widgets/DigitCell.h"
#include "widgets/Lamp.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"
#include "workbench/SchematicDrawing.h"

#include <iterator>
#include <span>

namespace {

// Each cell stands just left of the arrow that carries its signal: a label cell 9 pixels left
// of the arrow's line, an input cell, being wider, 13; three stand a pixel further left. Bit P
// stands against the register's left side instead.
struct CellRow {
    int firstNumber; // Label/Edit number of the leftmost cell
    std::span<const int> arrows;
    int demonstrationTop, practiceTop;
};
constexpr CellRow kReferenceRows[] = {
    {3, Schematic::kGen1Inputs, 206, 201},
    {23, Schematic::kGen2Inputs, 206, 201},
    {43, Schematic::kSwitchInputs, 278, 273},
};
// Bits X ... D by the arrows into the selector; P first, on its own.
constexpr CellRow kRegisterRow{14, Schematic::kSelectorInputs, 351, 346};

constexpr int arrowGap(SchematicPanel::Flavour flavour) {
    return flavour == SchematicPanel::Flavour::Demonstration ? 9 : 13;
}
constexpr int pCellGap(SchematicPanel::Flavour flavour) {
    return flavour == SchematicPanel::Flavour::Demonstration ? 17 : 19;
}

struct Nudge {
    int number;
    SchematicPanel::Flavour flavour;
};
constexpr Nudge kOnePixelLeft[] = {{3, SchematicPanel::Flavour::Practice},
                                   {43, SchematicPanel::Flavour::Demonstration},
                                   {18, SchematicPanel::Flavour::Demonstration}};

// The client x of the cell of that number standing left of a picture x.
int cellLeft(int number, int pictureX, int gap, SchematicPanel::Flavour flavour) {
    int left = Schematic::kPictureOrigin.x() + pictureX - gap;
    for (const Nudge& nudge : kOnePixelLeft)
        if (nudge.number == number && nudge.flavour == flavour)
            --left;
    return left;
}

constexpr int kComparatorNumber = 22;
constexpr QPoint kDemonstrationComparator{568, 64};
constexpr QPoint kPracticeComparator{566, 68};

constexpr QSize kLabelCellSize{7, 16};
constexpr QSize kInputCellSize{13, 21};

struct SwitchPlace {
    const char* name;
    QPoint demonstration;
    QPoint practice;
    bool closed;
};

// Gen1 open, Gen1 closed, Gen2 open, Gen2 closed.
constexpr std::array<SwitchPlace, 4> kSwitches{{
    {"Image2", {140, 93}, {140, 93}, false},
    {"Image3", {138, 87}, {138, 87}, true},
    {"Image4", {379, 94}, {379, 94}, false},
    {"Image5", {377, 88}, {377, 87}, true},
}};

QString cellName(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace

SchematicPanel::SchematicPanel(QWidget* screen, Flavour flavour)
    : screen_(screen), flavour_(flavour) {
    if (flavour == Flavour::Demonstration)
        buildDemonstration();
    else
        buildPractice();
}

QWidget* SchematicPanel::makeCell(int number, int left, int top) {
    QWidget* cell = nullptr;
    if (flavour_ == Flavour::Demonstration) {
        auto* label = new Label(QStringLiteral("0"), LabStyle::sans(13), screen_);
        label->setObjectName(cellName("Label", number));
        label->move(left, top);
        label->setMinimumSize(kLabelCellSize);
        label->resize(label->size().expandedTo(kLabelCellSize));
        cell = label;
    } else {
        auto* edit = new DigitCell(screen_);
        edit->setObjectName(cellName("Edit", number));
        edit->setGeometry(QRect(QPoint(left, top), kInputCellSize));
        edit->setText(QStringLiteral("0"));
        cell = edit;
    }
    return cell;
}

void SchematicPanel::buildCells() {
    const bool demonstration = flavour_ == Flavour::Demonstration;
    const auto top = [demonstration](const CellRow& row) {
        return demonstration ? row.demonstrationTop : row.practiceTop;
    };
    for (std::size_t r = 0; r < std::size(kReferenceRows); ++r) {
        const CellRow& row = kReferenceRows[r];
        for (std::size_t i = 0; i < row.arrows.size(); ++i) {
            const int number = row.firstNumber + int(i);
            rows_[r].append(makeCell(
                number, cellLeft(number, row.arrows[i], arrowGap(flavour_), flavour_), top(row)));
        }
    }
    register_.append(makeCell(
        kRegisterRow.firstNumber,
        cellLeft(kRegisterRow.firstNumber, Schematic::kRegisterLeft, pCellGap(flavour_), flavour_),
        top(kRegisterRow)));
    for (std::size_t i = 0; i < kRegisterRow.arrows.size(); ++i) {
        const int number = kRegisterRow.firstNumber + 1 + int(i);
        register_.append(
            makeCell(number, cellLeft(number, kRegisterRow.arrows[i], arrowGap(flavour_), flavour_),
                     top(kRegisterRow)));
    }
    for (std::size_t bit = 0; bit < Coder::kBitNames.size(); ++bit)
        register_[int(bit)]->setAccessibleName(QStringLiteral("ЦР ") +
                                               QChar::fromLatin1(Coder::kBitNames[bit]));
    const QPoint comparator = demonstration ? kDemonstrationComparator : kPracticeComparator;
    comparator_ = makeCell(kComparatorNumber, comparator.x(), comparator.y());
    comparator_->setAccessibleName(QStringLiteral("Выход компаратора"));

    static const char* const kRowCaptions[] = {"ГЭН1", "ГЭН2", "БВС"};
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (int i = 0; i < rows_[r].size(); ++i)
            rows_[r][i]->setAccessibleName(
                QString::fromUtf8(kRowCaptions[r]) + QLatin1Char(' ') +
                QString::number(Coder::kReferenceWeights[std::size_t(i)]));
}

void SchematicPanel::buildSwitches() {
    // Open switches shown, closed ones hidden: no polarity is chosen yet.
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const SwitchPlace& spot = kSwitches[i];
        const QSize size = spot.closed ? Schematic::kClosedSwitchSize : Schematic::kOpenSwitchSize;
        const QPoint at = flavour_ == Flavour::Demonstration ? spot.demonstration : spot.practice;
        switches_[i] = new Picture(
            size, spot.closed ? Schematic::paintClosedSwitch : Schematic::paintOpenSwitch, screen_);
        place(switches_[i], spot.name, QRect(at, size));
        switches_[i]->setAccessibleName(
            QStringLiteral("Ключ ГЭН%1 %2")
                .arg(i < 2 ? 1 : 2)
                .arg(spot.closed ? QStringLiteral("замкнут") : QStringLiteral("разомкнут")));
        switches_[i]->setVisible(!spot.closed);
    }
}

void SchematicPanel::buildPicture() {
    picture_ = new Picture(Schematic::kPictureSize, Schematic::paintSchematic, screen_);
    place(picture_, "Image1", QRect(Schematic::kPictureOrigin, Schematic::kPictureSize));
    picture_->setAccessibleName(QStringLiteral("Схема нелинейного кодера"));
    picture_->setAccessibleDescription(
        QStringLiteral("Компаратор К сравнивает Uаим с Uэт; генераторы эталонов ГЭН1 и ГЭН2, "
                       "блок коммутации эталонов БКЭ, блок выбора сегмента БВС, цифровой "
                       "регистр ЦР и преобразователь кода ПК"));
}

void SchematicPanel::buildDemonstration() {
    // Drawing order: picture, status line, switches, U эт field, cells, link, Uаим field.
    buildPicture();
    statusLine_ = makeLabel(screen_, "Label1", {8, 4}, QStringLiteral("Введите значение Uаим"),
                            LabStyle::sans(12, true));
    buildSwitches();
    uetLabel_ = makeLabel(screen_, "Label2", {420, 52}, QStringLiteral("0"));
    buildCells();
    practiceLink_ = makeLink(screen_, "RzURLLabel1", {360, 491},
                             QStringLiteral("Перейти к практике кодирования >>"));
    uaimField_ = makeLabel(screen_, "Label34", {208, 28}, QString(), LabStyle::sans(11));
    stepButton_ = makeButton(screen_, "LMDButton2", {256, 488, 75, 25}, QStringLiteral("Далее>>"));
}

void SchematicPanel::buildPractice() {
    // Drawing order: switches, status line, Uаим field, links, lamps, picture, result line;
    // the input fields come last, above everything drawn.
    buildSwitches();
    statusLine_ =
        makeLabel(screen_, "Label1", {8, 4}, QStringLiteral("Значение Uаим для кодирования = "),
                  LabStyle::sans(12, true));
    uaimField_ = makeLabel(screen_, "Label2", {208, 28}, QString(), LabStyle::sans(11));
    finalTestLink_ = makeLink(screen_, "RzURLLabel1", {392, 492},
                              QStringLiteral("Перейти к итоговому тесту >>"));
    repeatLink_ =
        makeLink(screen_, "RzURLLabel2", {16, 492}, QStringLiteral("<< Повторить кодирование"));
    finalTestLink_->hide();
    repeatLink_->hide();

    struct LampPlace {
        const char* name;
        QRect geometry;
        QColor color;
        bool lit;
        bool shown;
        QString prompt;
    };
    const std::array<LampPlace, 4> lamps{{
        {"LMDLight1",
         {147, 370, 254, 35},
         LabStyle::kPromptRed,
         true,
         true,
         QStringLiteral("Заполнить ЦР")},
        {"LMDLight2",
         {147, 370, 254, 35},
         LabStyle::kPromptGreen,
         false,
         false,
         QStringLiteral("ЦР заполнен")},
        {"LMDLight3",
         {147, 297, 254, 36},
         LabStyle::kPromptRed,
         true,
         false,
         QStringLiteral("Заполнить БВС")},
        {"LMDLight4",
         {147, 297, 254, 36},
         LabStyle::kPromptGreen,
         false,
         false,
         QStringLiteral("БВС заполнен")},
    }};
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        lamps_[i] = new Lamp(lamps[i].color, lamps[i].lit, screen_);
        place(lamps_[i], lamps[i].name, lamps[i].geometry);
        lamps_[i]->setAccessibleName(lamps[i].prompt);
        lamps_[i]->setVisible(lamps[i].shown);
    }

    buildPicture();
    resultLine_ = makeLabel(screen_, "Label3", {224, 232}, QStringLiteral("Количество ошибок:"));

    buildCells();
    uetField_ = new NumericField(screen_);
    place(uetField_, "RxCalcEdit1", {420, 50, 43, 21});
    uetField_->setDecimals(0);
    uetField_->setDisplayFormat(QStringLiteral(",0.#"));
    uetField_->setValue(0);
    uetField_->setAccessibleName(QStringLiteral("U эт"));
    stepButton_ = makeButton(screen_, "LMDButton1", {264, 488, 75, 25}, QStringLiteral("Далее >>"));

    for (QWidget* cell : allRowCells())
        cell->raise();
    comparator_->raise();
    uetField_->raise();
    stepButton_->raise();

    wireMirrorRule();
    setPracticeTabOrder();
}

void SchematicPanel::wireMirrorRule() {
    // A SegmentSelector cell is copied into the Gen1 and Gen2 cells of its weight, whoever
    // changes it; nothing flows back.
    const QList<QWidget*>& selector = rows_[std::size_t(Row::Selector)];
    for (int i = 0; i < selector.size(); ++i) {
        auto* source = static_cast<DigitCell*>(selector[i]);
        QWidget* gen1 = rows_[std::size_t(Row::Gen1)][i];
        QWidget* gen2 = rows_[std::size_t(Row::Gen2)][i];
        QObject::connect(source, &QLineEdit::textChanged, source, [source, gen1, gen2] {
            setCellText(gen1, source->text());
            setCellText(gen2, source->text());
        });
    }
}

void SchematicPanel::setPracticeTabOrder() {
    QList<QWidget*> order;
    for (const QList<QWidget*>& cells : rows_)
        order += cells;
    order << uetField_ << comparator_ << register_[1] << register_[0];
    order += register_.mid(2);
    order << stepButton_;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* SchematicPanel::referenceCell(Row row, int weight) const {
    const int index = Coder::weightIndex(weight);
    return index < 0 ? nullptr : rows_[std::size_t(row)][index];
}

QWidget* SchematicPanel::registerCell(int tact) const {
    return tact >= 1 && tact <= register_.size() ? register_[tact - 1] : nullptr;
}

QList<QWidget*> SchematicPanel::allRowCells() const {
    QList<QWidget*> cells;
    for (const QList<QWidget*>& row : rows_)
        cells += row;
    cells += register_;
    return cells;
}

QString SchematicPanel::cellText(const QWidget* cell) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(cell))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(cell))
        return label->text();
    return {};
}

void SchematicPanel::setCellText(QWidget* cell, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(cell))
        edit->setText(text);
    else if (auto* label = qobject_cast<Label*>(cell))
        label->setText(text);
}

Picture* SchematicPanel::openSwitch(Row generator) const {
    return switches_[generator == Row::Gen2 ? 2 : 0];
}

Picture* SchematicPanel::closedSwitch(Row generator) const {
    return switches_[generator == Row::Gen2 ? 3 : 1];
}

void SchematicPanel::showPrompts(const Practice::Prompts& prompts) {
    const auto colour = [](Practice::FieldPrompt prompt) {
        switch (prompt) {
        case Practice::FieldPrompt::Next:
            return LabStyle::kPromptRed;
        case Practice::FieldPrompt::Entered:
            return LabStyle::kPromptGreen;
        case Practice::FieldPrompt::None:
            break;
        }
        return LabStyle::kBtnFace;
    };
    lamps_[0]->setVisible(prompts.registerRed);
    lamps_[1]->setVisible(prompts.registerGreen);
    lamps_[2]->setVisible(prompts.selectorRed);
    lamps_[3]->setVisible(prompts.selectorGreen);
    uetField_->setBackground(colour(prompts.uet));
    static_cast<DigitCell*>(comparator_)->setBackground(colour(prompts.comparator));
}
