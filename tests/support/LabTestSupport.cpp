// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "foundation/ErrorReporter.h"
#include "foundation/LabScreen.h"
#include "foundation/LabStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTest>

ErrorCapture::ErrorCapture() {
    previous_ = setErrorReporter([this](QWidget*, const QString& text, const QString& caption) {
        errors_.append({caption, text});
    });
}

ErrorCapture::~ErrorCapture() {
    setErrorReporter(std::move(previous_));
}

void prepareLab() {
    static const bool styled = (LabStyle::setUpApplication(*qApp), true);
    Q_UNUSED(styled);
    // The offscreen platform's notices of what it cannot do are no faults of the lab.
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}

QString showing() {
    QStringList names;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<const LabScreen*>(widget) && widget->isVisible())
            names << widget->objectName();
    names.sort();
    return names.join(QLatin1Char(' '));
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128 && c.isPrint()) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}
