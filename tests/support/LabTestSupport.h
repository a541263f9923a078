#pragma once

#include "foundation/ErrorReporter.h"
#include "app/LabFrame.h"
#include "logic/RandomDraw.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <deque>
#include <memory>
#include <optional>

// Draws come from a script instead of the clock. A draw beyond the script, or one that
// does not fit the range asked for, fails the running test.
class ScriptedDraws {
public:
    ScriptedDraws();
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    // Queues raw draw results (0 .. n - 1 of the draw that takes them).
    void push(std::initializer_list<int> values);
    void push(int value) { push({value}); }
    // Once the script is used up, every further draw returns this value instead of failing.
    void setFallback(int value) { fallback_ = value; }
    int remaining() const { return int(queue_.size()); }
    // The ranges n of the draws made so far, in order.
    const QList<int>& ranges() const { return ranges_; }

private:
    std::deque<int> queue_;
    std::optional<int> fallback_;
    QList<int> ranges_;
    RandomSource previous_;
};

struct ReportedError {
    QString caption;
    QString text;
};

// Error boxes are recorded instead of shown while one of these lives.
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    const QList<ReportedError>& errors() const { return errors_; }
    int count() const { return int(errors_.size()); }
    ReportedError last() const { return errors_.isEmpty() ? ReportedError{} : errors_.last(); }
    void clear() { errors_.clear(); }

private:
    QList<ReportedError> errors_;
    ErrorReporter previous_;
};

// Makes sure a QApplication exists with the lab's style (tests use QTEST_MAIN which makes
// one; this only applies the style once).
void PrepareLabApplication();

// From here to the end of the running test, any warning fails it, but for the offscreen
// platform's notices of window features it does not have.
void FailOnWarnings();

// The top-level lab screens now visible.
QList<QWidget*> VisibleScreens();

// Finds a control by its name on a screen, failing the test when it is missing.
template <typename T> T* Control(QWidget* screen, const char* name) {
    T* widget = screen->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("control %s not found on %s", name, qPrintable(screen->objectName()));
    return widget;
}

// Types text into a widget key by key. Unlike QTest::keyClicks it takes any Unicode text
// (Cyrillic names, "Δ"), sending such characters as key events that carry the text.
void TypeText(QWidget* widget, const QString& text);
