// SPDX-License-Identifier: MIT
#pragma once

#include "logic/PracticePrompts.h"

#include <QList>
#include <QString>
#include <array>

class QPushButton;
class QWidget;
class DigitCell;
class Label;
class Lamp;
class LinkLabel;
class NumericField;
class Picture;

// The coder schematic with its cells, shared by the demonstration (read-only label cells)
// and the practice (one-digit input cells). The panel lays every element out on its screen
// in the fixed drawing order; what the cells show in each tact is the screens' business.
class SchematicPanel {
public:
    enum class Flavour { Demonstration, Practice };
    enum class Row { Gen1, Gen2, Selector };

    SchematicPanel(QWidget* screen, Flavour flavour);

    Flavour flavour() const { return flavour_; }

    // The cell of reference weight w (1024 ... 1) in a row of eleven.
    QWidget* referenceCell(Row row, int weight) const;
    const QList<QWidget*>& row(Row row) const { return rows_[std::size_t(row)]; }
    // The generator row of a polarity: Gen2 for a positive value, Gen1 otherwise.
    static Row polarityRow(bool positive) { return positive ? Row::Gen2 : Row::Gen1; }
    // The DigitalRegister cell of tact 1 (P) ... 8 (D).
    QWidget* registerCell(int tact) const;
    const QList<QWidget*>& registerCells() const { return register_; }
    QWidget* comparatorCell() const { return comparator_; }
    // The 33 reference cells and the 8 register cells.
    QList<QWidget*> allRowCells() const;

    // Cell text, for either flavour of cell.
    static QString cellText(const QWidget* cell);
    static void setCellText(QWidget* cell, const QString& text);

    Label* statusLine() const { return statusLine_; }
    Label* uaimField() const { return uaimField_; }
    Picture* picture() const { return picture_; }
    // Open and closed polarity switches of Gen1 and Gen2.
    Picture* openSwitch(Row generator) const;
    Picture* closedSwitch(Row generator) const;
    QPushButton* stepButton() const { return stepButton_; }

    // Demonstration only.
    Label* uetLabel() const { return uetLabel_; }
    LinkLabel* practiceLink() const { return practiceLink_; }

    // Practice only.
    NumericField* uetField() const { return uetField_; }
    LinkLabel* finalTestLink() const { return finalTestLink_; }
    LinkLabel* repeatLink() const { return repeatLink_; }
    Label* resultLine() const { return resultLine_; }
    Lamp* registerLamp(bool green) const { return green ? lamps_[1] : lamps_[0]; }
    Lamp* selectorLamp(bool green) const { return green ? lamps_[3] : lamps_[2]; }
    // The entry prompts: which lamps are shown and the colours of U эт and the Comparator.
    void showPrompts(const Practice::Prompts& prompts);

private:
    QWidget* makeCell(int number, int left, int top);
    void buildCells();
    void buildSwitches();
    void buildPicture();
    void buildDemonstration();
    void buildPractice();
    void wireMirrorRule();
    void setPracticeTabOrder();

    QWidget* screen_;
    Flavour flavour_;
    std::array<QList<QWidget*>, 3> rows_;
    QList<QWidget*> register_;
    QWidget* comparator_ = nullptr;
    Label* statusLine_ = nullptr;
    Label* uaimField_ = nullptr;
    Picture* picture_ = nullptr;
    std::array<Picture*, 4> switches_{}; // Gen1 open, Gen1 closed, Gen2 open, Gen2 closed
    QPushButton* stepButton_ = nullptr;
    Label* uetLabel_ = nullptr;
    LinkLabel* practiceLink_ = nullptr;
    NumericField* uetField_ = nullptr;
    LinkLabel* finalTestLink_ = nullptr;
    LinkLabel* repeatLink_ = nullptr;
    Label* resultLine_ = nullptr;
    std::array<Lamp*, 4> lamps_{};
};
