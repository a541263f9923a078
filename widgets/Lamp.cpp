#include "widgets/Lamp.h"

#include <QPainter>

TLamp::TLamp(const QColor& color, bool lit, QWidget* parent)
    : QWidget(parent), color_(color), lit_(lit) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor TLamp::shownColor() const {
    return lit_ ? color_ : color_.darker(160);
}

void TLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), shownColor());
}
