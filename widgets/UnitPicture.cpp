// SPDX-License-Identifier: MIT
#include "widgets/UnitPicture.h"

#include "foundation/LabStyle.h"

#include <QPainter>

void drawUnitPicture(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(LabStyle::sans(13));
    painter.drawText(QRect(QPoint(0, 0), kUnitPictureSize), Qt::AlignCenter, QStringLiteral("Δ,В"));
    painter.restore();
}

Picture* makeUnitPicture(QWidget* parent) {
    return new Picture(kUnitPictureSize, drawUnitPicture, parent);
}
