// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// Link label: underlined black text that acts on a click of the left mouse button, and on
// Enter or Space while it has the keyboard focus. It takes the focus by Tab, after the
// other controls of its screen, and shows a dotted frame while it has it. The accessibility
// interface presents it as a link whose default action is the click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QFont& font, QWidget* parent);

    // What a click does.
    void activate();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool pressed_ = false;
    bool sizePending_ = true; // measured when first shown, like Label
};
