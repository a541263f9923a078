// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ClassSummary.h"

class QChart;

// The summary as bar charts, for the window and for paper alike: vector drawings, crisp at
// any resolution.
namespace SummaryCharts {

// A new chart of the share of results that got each question wrong, the two tests side by
// side; its numbers are those of the last summary shown on it.
QChart* wrongShares();
// A new chart of how many results had each final score 0..10.
QChart* finalScores();

// Shows a summary's numbers on a chart made by the function of the same kind above.
void showShares(QChart* chart, const Record::ClassSummary& summary);
void showScores(QChart* chart, const Record::ClassSummary& summary);

} // namespace SummaryCharts
