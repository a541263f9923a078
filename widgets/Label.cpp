// SPDX-License-Identifier: MIT
#include "widgets/Label.h"

#include "foundation/LabStyle.h"

Label::Label(const QString& text, const QFont& font, QWidget* parent) : QLabel(parent) {
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setText(text);
}

void Label::setText(const QString& text) {
    QLabel::setText(text);
    setAccessibleName(text);
    if (isVisible())
        fitText();
    else
        sizePending_ = true;
}

void Label::showEvent(QShowEvent* event) {
    if (sizePending_) {
        sizePending_ = false;
        fitText();
    }
    QLabel::showEvent(event);
}

void Label::fitText() {
    // A label given a fixed size keeps it: there is nothing to measure.
    if (minimumSize() != maximumSize())
        adjustSize();
}

void Label::setTextColor(const QColor& color) {
    QPalette pal = palette();
    LabStyle::setEnabledColor(pal, QPalette::WindowText, color);
    setPalette(pal);
}

void Label::setOpaque(bool opaque) {
    setAutoFillBackground(opaque);
}
