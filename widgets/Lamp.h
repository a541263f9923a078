// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Indicator lamp: a plain rectangle without a bevel, filled with a light tint of its colour
// when lit and a deep shade of it when not. Either leaves a mid-grey drawn over the lamp
// (the schematic's captions) at a luminance contrast of more than 2.5 : 1.
class Lamp : public QWidget {
    Q_OBJECT
public:
    Lamp(const QColor& color, bool lit, QWidget* parent);

    QColor color() const { return color_; }
    bool isLit() const { return lit_; }
    QColor shownColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    bool lit_;
};
