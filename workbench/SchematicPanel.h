// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

class QPushButton;
class QWidget;
class Label;
class Picture;

// What the demonstration and the practice share of the coder schematic: the picture, the
// status line, the Uаим field, the polarity switches, the step button and the cells laid over
// the picture where its signals run, as labels (Cell = Label) or one-digit fields
// (Cell = DigitCell). The two panels built on it add their own controls and build everything
// in their own drawing order; what the cells show in each tact is their screens' business.
template <typename Cell> class SchematicPanel {
public:
    enum class Row { Gen1, Gen2, Selector };
    // The generator row of a polarity: Gen2 for a positive value, Gen1 otherwise.
    static Row polarityRow(bool positive) { return positive ? Row::Gen2 : Row::Gen1; }

    // A row of eleven, the cell of 1024 Δ first.
    const QList<Cell*>& row(Row row) const { return rows_[std::size_t(row)]; }
    // The DigitalRegister, P ... D.
    const QList<Cell*>& registerCells() const { return register_; }
    Cell* comparatorCell() const { return comparator_; }

    Label* statusLine() const { return statusLine_; }
    Label* uaimField() const { return uaimField_; }
    Picture* picture() const { return picture_; }
    QPushButton* stepButton() const { return stepButton_; }

    // The value's polarity on the schematic: its generator's switch closed, that generator's
    // row alone shown.
    void showPolarity(bool positive);

protected:
    explicit SchematicPanel(QWidget* screen) : screen_(screen) {}

    void buildPicture();
    void buildStatusLine(const QString& text);
    void buildUaimField(const char* name);
    void buildSwitches();
    void buildCells();
    void buildStepButton(const char* name, const QRect& geometry, const QString& caption);

    // The cells of the three rows and the register.
    QList<Cell*> rowCells() const { return rows_[0] + rows_[1] + rows_[2] + register_; }
    // Every one of them at "0" and shown, both switches open.
    void clearCells();
    // Open and closed switches of Gen1 and Gen2, shown or hidden.
    void showSwitches(bool open, bool closed);

    QWidget* screen_;
    std::array<QList<Cell*>, 3> rows_;
    QList<Cell*> register_;
    Cell* comparator_ = nullptr;
    Label* statusLine_ = nullptr;
    Label* uaimField_ = nullptr;
    Picture* picture_ = nullptr;
    QPushButton* stepButton_ = nullptr;

private:
    Cell* makeCell(int number, QPoint at);

    // Gen1 open, Gen1 closed, Gen2 open, Gen2 closed.
    std::array<Picture*, 4> switches_{};
};
