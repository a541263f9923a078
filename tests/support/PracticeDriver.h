#pragma once

// Drives the practice input and the coding practice of a LabFrame the way the students do:
// typing into the named controls and clicking links and the step button.

#include "coder/CoderModel.h"

#include <QList>
#include <QString>

class QWidget;

// One entry: the text typed into the control of that name.
struct PracticeEntry {
    QString control;
    QString text;
};
using PracticeEntries = QList<PracticeEntry>;

// "Edit14=1 Edit22= RxCalcEdit1=-128": blank-separated name=text pairs (empty text empties
// the control).
PracticeEntries ParseEntries(const QString& text);

// Types the entries into the controls of `screen`, in order, key by key.
void Enter(QWidget* screen, const PracticeEntries& entries);

// The whole state of the coder at practice step 1..16 as the students would set it: the
// register, the SegmentSelector and polarity rows, U эт and, at a tact's start, the
// Comparator. Taken from the trace's record of the tact alone.
PracticeEntries CoderState(const TCodingTrace& trace, int step);

// Types `value` into the practice input's field (replacing what it held) and clicks its link.
void OpenPractice(const QString& value);
// Clicks the link of the practice input as it stands.
void ClickPracticeInputLink();
// One press of "Далее >>".
void PressNext();
// Enters the coder state of steps from..to and presses after each.
void PassSteps(const TCodingTrace& trace, int from, int to);
