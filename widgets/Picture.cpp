#include "widgets/Picture.h"

#include <QImage>
#include <QPainter>

Picture::Picture(QSize natural, Drawing drawing, QWidget* parent)
    : QWidget(parent), natural_(natural), drawing_(std::move(drawing)) {
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
    QPainter painter(this);
    painter.translate((width() - natural_.width()) / 2, (height() - natural_.height()) / 2);
    drawing_(painter);
}
