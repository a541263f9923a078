// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ClassSummary.h"

#include <QList>
#include <QString>
#include <QStringList>

// The summary's numbers as the teacher reads them, the same on the screen and on paper.
namespace SummaryText {

// "67 % (2 из 3)": the share of question 1..10 and what it is out of; "нет данных" when no
// result of that test recorded its questions.
QString share(const Record::ClassSummary::Questions& questions, int question);
// One row per question: its number, the intro test's share, the final test's.
QList<QStringList> questionRows(const Record::ClassSummary& summary);
// One row per final score 0..10: the score, how many results had it.
QList<QStringList> scoreRows(const Record::ClassSummary& summary);
// The means, one line each: "Средний балл вводного теста: 8,25".
QStringList means(const Record::ClassSummary& summary);

} // namespace SummaryText
