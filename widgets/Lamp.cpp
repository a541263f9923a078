// SPDX-License-Identifier: MIT
#include "widgets/Lamp.h"

#include <QPainter>

Lamp::Lamp(const QColor& color, bool lit, QWidget* parent)
    : QWidget(parent), color_(color), lit_(lit) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor Lamp::shownColor() const {
    // Full saturation keeps the hue plain; the lightness sets the contrast.
    return QColor::fromHslF(color_.hslHueF(), 1.0f, lit_ ? 0.88f : 0.14f);
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), shownColor());
}
