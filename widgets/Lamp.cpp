#include "widgets/Lamp.h"

#include <QPainter>

Lamp::Lamp(const QColor& color, bool lit, QWidget* parent)
    : QWidget(parent), color_(color), lit_(lit) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor Lamp::shownColor() const {
    return lit_ ? color_ : color_.darker(160);
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), shownColor());
}
