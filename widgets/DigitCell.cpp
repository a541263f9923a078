// SPDX-License-Identifier: MIT
#include "widgets/DigitCell.h"

#include "foundation/LabStyle.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

DigitCell::DigitCell(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(1);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), this));
    setPlaceholderText(QStringLiteral("_"));
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = palette();
    pal.setColor(QPalette::PlaceholderText, pal.color(QPalette::Text));
    setPalette(pal);
    setBackground(LabStyle::kBtnFace);
}

void DigitCell::setBackground(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor DigitCell::background() const {
    return palette().color(QPalette::Base);
}

void DigitCell::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(event->key());
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isDigit() && typed.front().unicode() < 128) {
        setText(typed);
        selectAll();
        event->accept();
        return;
    }
    // One position only: erasing empties the cell wherever the cursor stands.
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) &&
        event->modifiers() == Qt::NoModifier) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitCell::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void DigitCell::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Like a classic masked cell: on entry the digit is selected, so typing replaces it.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
