#include "widgets/UnitPicture.h"

#include "app/LabStyle.h"

#include <QPainter>

void DrawUnitPicture(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(LabStyle::sans(13));
    painter.drawText(QRect(QPoint(0, 0), kUnitPictureSize), Qt::AlignCenter, QStringLiteral("Δ,В"));
    painter.restore();
}

TPicture* MakeUnitPicture(QWidget* parent) {
    return new TPicture(kUnitPictureSize, DrawUnitPicture, parent);
}
