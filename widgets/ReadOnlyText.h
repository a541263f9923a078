// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// Read-only multi-line text without a border: the text can be selected and copied, not
// changed.
class ReadOnlyText : public QPlainTextEdit {
    Q_OBJECT
public:
    ReadOnlyText(const QFont& font, const QColor& background, QWidget* parent);
};
