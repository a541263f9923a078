// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The modal error box: text, caption, error icon and an OK button. Every refusal of the
// program goes through here so that tests can capture it instead of blocking.
void showErrorBox(QWidget* parent, const QString& text, const QString& caption);

using ErrorReporter =
    std::function<void(QWidget* parent, const QString& text, const QString& caption)>;
// Installs a replacement (an empty function restores the message box); returns the old one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Captions of the two kinds of screens.
inline const QString kTestErrorCaption = QStringLiteral("Ошибка ввода");
inline const QString kPracticeErrorCaption = QStringLiteral("Ощибка ввода");
