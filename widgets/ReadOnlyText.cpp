// SPDX-License-Identifier: MIT
#include "widgets/ReadOnlyText.h"

#include "foundation/LabStyle.h"

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
}
