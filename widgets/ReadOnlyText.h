// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// Read-only multi-line text without a border: the text can be selected and copied, not
// changed. Its caret shows only once the reader moves it with the keyboard.
class ReadOnlyText : public QPlainTextEdit {
    Q_OBJECT
public:
    ReadOnlyText(const QFont& font, const QColor& background, QWidget* parent);

    // Replaces the text. Unlike setPlainText() it does not first lay the whole text out to
    // restyle it for editing, which a text nobody edits does not need.
    void setText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
