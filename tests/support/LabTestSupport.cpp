#include "LabTestSupport.h"

#include "foundation/LabScreen.h"
#include "foundation/LabStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTest>

ScriptedDraws::ScriptedDraws() {
    previous_ = setRandomSource([this](int n) {
        ranges_.append(n);
        if (queue_.empty()) {
            if (fallback_)
                return *fallback_;
            QTest::qFail("a draw beyond the script", __FILE__, __LINE__);
            return 0;
        }
        const int value = queue_.front();
        queue_.pop_front();
        if (value < 0 || value >= n)
            QTest::qFail(
                qPrintable(QStringLiteral("scripted draw %1 outside 0..%2").arg(value).arg(n - 1)),
                __FILE__, __LINE__);
        return value;
    });
}

ScriptedDraws::~ScriptedDraws() {
    setRandomSource(std::move(previous_));
}

void ScriptedDraws::push(std::initializer_list<int> values) {
    queue_.insert(queue_.end(), values.begin(), values.end());
}

ErrorCapture::ErrorCapture() {
    previous_ = setErrorReporter([this](QWidget*, const QString& text, const QString& caption) {
        errors_.append({caption, text});
    });
}

ErrorCapture::~ErrorCapture() {
    setErrorReporter(std::move(previous_));
}

void PrepareLabApplication() {
    static bool done = false;
    if (!done) {
        LabStyle::setUpApplication(*qApp);
        done = true;
    }
}

void FailOnWarnings() {
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}

QList<QWidget*> VisibleScreens() {
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<LabScreen*>(widget) && widget->isVisible())
            visible.append(widget);
    return visible;
}

void TypeText(QWidget* widget, const QString& text) {
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
