// SPDX-License-Identifier: MIT
#include "widgets/Picture.h"

#include <QAccessibleWidget>
#include <QImage>
#include <QPainter>

#include <map>

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
    prepare();
    QPainter painter(this);
    painter.drawPixmap((width() - natural_.width()) / 2, (height() - natural_.height()) / 2,
                       drawn_);
}

void Picture::prepare() {
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio) {
        // Pictures drawn by the same function (the schematic on both coder screens) share
        // one drawing, kept to the end of the program.
        static auto* shared = new std::map<std::pair<void (*)(QPainter&), qreal>, QPixmap>;
        const auto* function = drawing_.target<void (*)(QPainter&)>();
        QPixmap& drawn = function ? (*shared)[{*function, ratio}] : drawn_;
        if (drawn.isNull()) {
            drawn = QPixmap(natural_ * ratio);
            drawn.setDevicePixelRatio(ratio);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            drawing_(painter);
        }
        drawn_ = drawn;
    }
}
