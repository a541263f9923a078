// SPDX-License-Identifier: MIT
#include "widgets/Picture.h"

#include <QAccessibleWidget>
#include <QImage>
#include <QPainter>

namespace {

QAccessibleInterface* pictureInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("Picture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Picture::Picture(QSize natural, Drawing drawing, QWidget* parent)
    : QWidget(parent), natural_(natural), drawing_(std::move(drawing)) {
    static const bool accessible = (QAccessible::installFactory(pictureInterface), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(natural);
}

QImage Picture::render(qreal scale) const {
    QImage image(natural_ * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    drawing_(painter);
    return image;
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QPixmap(natural_ * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        drawing_(painter);
    }
    QPainter painter(this);
    painter.drawPixmap((width() - natural_.width()) / 2, (height() - natural_.height()) / 2,
                       drawn_);
}
