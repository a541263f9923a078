// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// Static text that sizes itself to its text, growing to the right from its left edge. A label
// not on show is measured only when it appears: measuring loads its font, and most screens
// wait hidden for a long time.
// It never takes the mouse, so it cannot swallow a click meant for a control below it.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString& text, const QFont& font, QWidget* parent);

    void setText(const QString& text);
    void setTextColor(const QColor& color);
    // An opaque label paints the button face behind its text; a transparent one does not.
    void setOpaque(bool opaque);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitText();

    bool sizePending_ = false;
};
