// SPDX-License-Identifier: MIT
#include "widgets/OneLineValidator.h"

QValidator::State OneLineValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos); // one character for one: the caret stays where it is
    fixup(input);
    return Acceptable;
}

void OneLineValidator::fixup(QString& input) const {
    for (QChar& c : input)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
}
