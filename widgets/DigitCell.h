// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// One-digit cell: holds one optional decimal digit, shows "_" while empty and reads back
// "" or the digit. A digit typed anywhere in the cell replaces what it held.
class DigitCell : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitCell(QWidget* parent);

    void setBackground(const QColor& color);
    QColor background() const;

Q_SIGNALS:
    // Every key pressed while the cell has the focus, before the cell handles it.
    void keyDown(int key);
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
