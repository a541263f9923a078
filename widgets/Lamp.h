#pragma once

#include <QWidget>

// Indicator lamp: a plain rectangle without a bevel in its colour, bright when lit and
// dimmed when not.
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
