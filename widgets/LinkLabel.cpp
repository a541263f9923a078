#include "widgets/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, const QFont& font, QWidget* parent)
    : QLabel(text, parent) {
    QFont underlined = font;
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
}

void LinkLabel::showEvent(QShowEvent* event) {
    if (sizePending_) {
        sizePending_ = false;
        adjustSize();
    }
    QLabel::showEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
