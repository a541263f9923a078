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
    adjustSize();
}

void TLabel::setTextColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void TLabel::setOpaque(bool opaque) {
    setAutoFillBackground(opaque);
}
