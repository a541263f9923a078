// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ClassSummary.h"

#include <QString>

class QPainter;
class QPrinter;
class QRect;

// The summary on paper or as a PDF: which results, the chart of the questions the group got
// wrong with its numbers as a table, the final test's scores and the means; vector text and
// drawings.
namespace SummaryReport {

// Lays the page out in `page`, in the painter's device pixels.
void paint(QPainter& painter, const QRect& page, const Record::ClassSummary& summary,
           const QString& description);

// An A4 PDF in the file's place, written whole or not at all; false, with the reason, when not.
bool savePdf(const QString& path, const Record::ClassSummary& summary, const QString& description,
             QString* reason);

// On a printer already set up; false when the printer would not start.
bool print(QPrinter& printer, const Record::ClassSummary& summary, const QString& description);

} // namespace SummaryReport
