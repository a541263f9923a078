// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

// Keeps a field's text on one line: a line break, a tab or any other control character,
// typed or pasted, becomes a blank, as a one-line field shows it. Every text is acceptable.
class OneLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
