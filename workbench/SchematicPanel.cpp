// SPDX-License-Identifier: MIT
#include "workbench/SchematicPanel.h"

#include "coder/CoderModel.h"
#include "widgets/Controls.h"
#include "widgets/DigitCell.h"
#include "widgets/Picture.h"
#include "workbench/SchematicDrawing.h"

#include <iterator>
#include <span>
#include <type_traits>

namespace {

// The demonstration's cells are labels, the practice's wider one-digit fields.
template <typename Cell> constexpr bool kDemonstration = std::is_same_v<Cell, Label>;

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

struct Nudge {
    int number;
    bool demonstration;
};
constexpr Nudge kOnePixelLeft[] = {{3, false}, {43, true}, {18, true}};

// The client x of the cell of that number standing left of a picture x.
int cellLeft(int number, int pictureX, int gap, bool demonstration) {
    int left = Schematic::kPictureOrigin.x() + pictureX - gap;
    for (const Nudge& nudge : kOnePixelLeft)
        if (nudge.number == number && nudge.demonstration == demonstration)
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

} // namespace

template <> Label* SchematicPanel<Label>::makeCell(int number, QPoint at) {
    auto* label = makeLabel(screen_, qPrintable(QStringLiteral("Label%1").arg(number)), at,
                            QStringLiteral("0"));
    label->setMinimumSize(kLabelCellSize);
    label->resize(label->size().expandedTo(kLabelCellSize));
    return label;
}

template <> DigitCell* SchematicPanel<DigitCell>::makeCell(int number, QPoint at) {
    auto* cell = place(new DigitCell(screen_), qPrintable(QStringLiteral("Edit%1").arg(number)),
                       QRect(at, kInputCellSize));
    cell->setText(QStringLiteral("0"));
    return cell;
}

template <typename Cell> void SchematicPanel<Cell>::buildCells() {
    constexpr bool demonstration = kDemonstration<Cell>;
    constexpr int gap = demonstration ? 9 : 13;
    const auto top = [](const CellRow& row) {
        return demonstration ? row.demonstrationTop : row.practiceTop;
    };
    for (std::size_t r = 0; r < std::size(kReferenceRows); ++r) {
        const CellRow& row = kReferenceRows[r];
        for (std::size_t i = 0; i < row.arrows.size(); ++i) {
            const int number = row.firstNumber + int(i);
            rows_[r].append(
                makeCell(number, {cellLeft(number, row.arrows[i], gap, demonstration), top(row)}));
        }
    }
    const int p = kRegisterRow.firstNumber;
    register_.append(
        makeCell(p, {cellLeft(p, Schematic::kRegisterLeft, demonstration ? 17 : 19, demonstration),
                     top(kRegisterRow)}));
    for (std::size_t i = 0; i < kRegisterRow.arrows.size(); ++i) {
        const int number = p + 1 + int(i);
        register_.append(
            makeCell(number, {cellLeft(number, kRegisterRow.arrows[i], gap, demonstration),
                              top(kRegisterRow)}));
    }
    for (std::size_t bit = 0; bit < Coder::kBitNames.size(); ++bit)
        register_[int(bit)]->setAccessibleName(QStringLiteral("ЦР ") +
                                               QChar::fromLatin1(Coder::kBitNames[bit]));
    comparator_ =
        makeCell(kComparatorNumber, demonstration ? kDemonstrationComparator : kPracticeComparator);
    comparator_->setAccessibleName(QStringLiteral("Выход компаратора"));

    static const char* const kRowCaptions[] = {"ГЭН1", "ГЭН2", "БВС"};
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (int i = 0; i < rows_[r].size(); ++i)
            rows_[r][i]->setAccessibleName(
                QString::fromUtf8(kRowCaptions[r]) + QLatin1Char(' ') +
                QString::number(Coder::kReferenceWeights[std::size_t(i)]));
}

template <typename Cell> void SchematicPanel<Cell>::buildSwitches() {
    // Open switches shown, closed ones hidden: no polarity is chosen yet.
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const SwitchPlace& spot = kSwitches[i];
        const QSize size = spot.closed ? Schematic::kClosedSwitchSize : Schematic::kOpenSwitchSize;
        const QPoint at = kDemonstration<Cell> ? spot.demonstration : spot.practice;
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

template <typename Cell> void SchematicPanel<Cell>::buildPicture() {
    picture_ = new Picture(Schematic::kPictureSize, Schematic::paintSchematic, screen_);
    place(picture_, "Image1", QRect(Schematic::kPictureOrigin, Schematic::kPictureSize));
    picture_->setAccessibleName(QStringLiteral("Схема нелинейного кодера"));
    picture_->setAccessibleDescription(
        QStringLiteral("Компаратор К сравнивает Uаим с Uэт; генераторы эталонов ГЭН1 и ГЭН2, "
                       "блок коммутации эталонов БКЭ, блок выбора сегмента БВС, цифровой "
                       "регистр ЦР и преобразователь кода ПК"));
}

template <typename Cell> void SchematicPanel<Cell>::buildStatusLine(const QString& text) {
    statusLine_ = makeLabel(screen_, "Label1", {8, 4}, text, LabStyle::sans(12, true));
}

template <typename Cell> void SchematicPanel<Cell>::buildUaimField(const char* name) {
    uaimField_ = makeLabel(screen_, name, {208, 28}, QString(), LabStyle::sans(11));
}

template <typename Cell>
void SchematicPanel<Cell>::buildStepButton(const char* name, const QRect& geometry,
                                           const QString& caption) {
    stepButton_ = makeButton(screen_, name, geometry, caption);
}

template <typename Cell> void SchematicPanel<Cell>::showPolarity(bool positive) {
    const std::size_t own = positive ? 2 : 0;
    switches_[own]->hide();
    switches_[own + 1]->show();
    for (Cell* cell : row(polarityRow(positive)))
        cell->show();
    for (Cell* cell : row(polarityRow(!positive)))
        cell->hide();
}

template <typename Cell> void SchematicPanel<Cell>::showSwitches(bool open, bool closed) {
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        switches_[i]->setVisible(kSwitches[i].closed ? closed : open);
}

template <typename Cell> void SchematicPanel<Cell>::clearCells() {
    for (Cell* cell : rowCells()) {
        cell->setText(QStringLiteral("0"));
        cell->show();
    }
    showSwitches(true, false);
}

template class SchematicPanel<Label>;
template class SchematicPanel<DigitCell>;
