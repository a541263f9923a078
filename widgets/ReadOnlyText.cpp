// SPDX-License-Identifier: MIT
#include "widgets/ReadOnlyText.h"

#include "foundation/LabStyle.h"

#include <QKeyEvent>

ReadOnlyText::ReadOnlyText(const QFont& font, const QColor& background, QWidget* parent)
    : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setFont(font);
    setTabStopDistance(48);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, background);
    LabStyle::setEnabledColor(pal, QPalette::Text, Qt::black);
    setPalette(pal);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ReadOnlyText::setText(const QString& text) {
    document()->setPlainText(text);
    // A text to read: no caret stands against it, at its end least of all, until the reader
    // moves one.
    moveCursor(QTextCursor::Start);
    setCursorWidth(0);
}

void ReadOnlyText::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        setCursorWidth(1);
    QPlainTextEdit::keyPressEvent(event);
}
