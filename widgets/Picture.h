// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture drawn at run time. Nothing is painted where the drawing leaves white, so the
// screen shows through. The drawing runs once the picture is first on screen, at the screen's
// pixel ratio; repaints, such as those under a cell that changes, reuse it.
class Picture : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&)>;

    // `natural` is the picture's own size; the widget may be larger, then the picture is
    // centred in it.
    Picture(QSize natural, Drawing drawing, QWidget* parent);

    QSize naturalSize() const { return natural_; }
    QSize sizeHint() const override { return natural_; }
    // The picture rendered on white at its natural size, for checks and figures.
    QImage render(qreal scale = 1.0) const;
    // Draws the picture for the screen now, so that its first showing need not.
    void prepare();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize natural_;
    Drawing drawing_;
    QPixmap drawn_;
};
