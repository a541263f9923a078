#include "widgets/Label.h"

TLabel::TLabel(const QString& text, const QFont& font, QWidget* parent) : QLabel(parent) {
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setText(text);
}

void TLabel::setText(const QString& text) {
    QLabel::setText(text);
    setAccessibleName(text);
    if (isVisible())
        adjustSize();
    else
        sizePending_ = true;
}

void TLabel::showEvent(QShowEvent* event) {
    if (sizePending_) {
        sizePending_ = false;
        adjustSize();
    }
    QLabel::showEvent(event);
}

void TLabel::setTextColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void TLabel::setOpaque(bool opaque) {
    setAutoFillBackground(opaque);
}
