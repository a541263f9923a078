// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// Push button that is never a screen's default: Enter in a text field does not press it,
// while Enter or Space does when the button itself has the keyboard focus.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
