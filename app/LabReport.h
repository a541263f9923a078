// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>

class QPainter;
class QPrinter;
class QRect;

// The students' report on paper or as a PDF: the lab's title, date and time, the names, the
// results of both tests with the numbers of the wrong questions, the value coded in the
// practice with its errors, and the program's version, in the lab's fonts as vector text.
namespace LabReport {

// Lays the page out in `page`, in the painter's device pixels.
void paint(QPainter& painter, const QRect& page, const Record::LabResult& result);

// Writes the page as an A4 PDF file, in place of any file there. False, with the reason,
// when the file was not written whole; a file that was there before then stays as it was.
bool savePdf(const QString& path, const Record::LabResult& result, QString* reason);

// Prints the page on a printer already set up; false when the printer would not start.
bool print(QPrinter& printer, const Record::LabResult& result);

} // namespace LabReport
