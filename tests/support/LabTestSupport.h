// SPDX-License-Identifier: MIT
#pragma once

#include "PdfText.h"
#include "ScriptedDraws.h"

#include "app/LabFrame.h"
#include "app/store/ResultsJournal.h"
#include "coder/CoderModel.h"
#include "foundation/ErrorReporter.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// While one lives, error boxes are recorded instead of shown.
class ErrorCapture {
public:
    struct Box {
        QString caption, text;
    };
    ErrorCapture()
        : previous_(setErrorReporter([this](QWidget*, const QString& text, const QString& caption) {
              boxes_.append({caption, text});
          })) {}
    ~ErrorCapture() { setErrorReporter(std::move(previous_)); }
    Q_DISABLE_COPY_MOVE(ErrorCapture)

    int count() const { return int(boxes_.size()); }
    Box last() const { return boxes_.value(boxes_.size() - 1); }

private:
    QList<Box> boxes_;
    ErrorReporter previous_;
};

// The lab's style, palette and font on the test's application; any warning from here to the
// end of the running test fails it.
void prepareLab();

// Form1 .. Form9 by number.
LabScreen* screenNo(int n);

// The object names of the lab screens now visible: "Form7" when the registration alone is.
QString showing();

// The control of that name on a screen; a missing one ends the test program.
template <typename T = QWidget> T* control(const QWidget* screen, const char* name) {
    T* widget = screen->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s on %s", name, qPrintable(screen->objectName()));
    return widget;
}

// Types text into a widget key by key, Cyrillic and other non-Latin letters included.
void typeText(QWidget* widget, const QString& text);

// A label's text, whether a control is shown, a click on it, a field's text typed anew.
// A number completes the name: textOf(screen, "Label", 14) reads Label14.
QString textOf(const QWidget* screen, const char* label, int number = -1);
bool shown(const QWidget* screen, const char* name, int number = -1);
void click(const QWidget* screen, const char* name);
void type(const QWidget* screen, const char* field, const QString& text);

// The darkest grey drawn in a widget: its text, when it has one.
int darkest(QWidget* widget);

// The lines of a journal, and the last line's fields.
QStringList journalLines(const ResultsJournal& journal);
QStringList lastJournalEntry(const ResultsJournal& journal);

// The practice's cells as the coder holds them at step 1..16, in keyboard order: the
// generator row of the value's polarity, the SegmentSelector row, U эт, the Comparator,
// then the register X, P, Y .. D.
QList<std::pair<QString, QString>> coderCells(const Coder::TCodingTrace& trace, int step);
// Sets them, as a student who makes no mistake.
void setCoderState(const Coder::TCodingTrace& trace, int step);
