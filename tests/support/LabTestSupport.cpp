// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "CoderState.h"

#include "foundation/ErrorReporter.h"
#include "foundation/LabScreen.h"
#include "foundation/LabStyle.h"
#include "screens/Unit6.h"
#include "widgets/NumericField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

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
        if (c.unicode() < 128) { // ASCII, control keys such as Tab and Return included
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QString textOf(const QWidget* screen, const char* label) {
    return control<QLabel>(screen, label)->text();
}

bool shown(const QWidget* screen, const char* name) {
    return control(screen, name)->isVisible();
}

void click(const QWidget* screen, const char* name) {
    QTest::mouseClick(control(screen, name), Qt::LeftButton);
}

void type(const QWidget* screen, const char* field, const QString& text) {
    auto* edit = control<QLineEdit>(screen, field);
    edit->clear();
    typeText(edit, text);
}

void setCoderState(const TCodingTrace& trace, int step) {
    const Practice::Entries state = coderState(trace, step);
    const auto cell = [](int number, const std::string& text) {
        control<QLineEdit>(Form6, qPrintable(QStringLiteral("Edit%1").arg(number)))
            ->setText(QString::fromStdString(text));
    };
    for (std::size_t i = 0; i < 11; ++i)
        cell(43 + int(i), state.selector[i]);
    for (std::size_t i = 0; i < 8; ++i)
        cell(14 + int(i), state.registerCells[i]);
    cell(22, state.comparator);
    control<NumericField>(Form6, "RxCalcEdit1")->setValue(*state.uet);
}
