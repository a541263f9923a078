// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRect;

// One page of the lab's documents, the report or the teacher's summary, painted from the
// corner of the printable area, on paper or into a PDF file.
namespace PdfPage {

using Paint = std::function<void(QPainter& painter, const QRect& page)>;

// Paints the page onto a printer or a PDF writer; false when the device refused it.
bool paint(QPagedPaintDevice& device, const Paint& paint);

// An A4 portrait page with these margins, made whole in memory, then put in the file's place.
bool save(const QString& path, const QString& title, const QString& creator, double marginMm,
          const Paint& paint, QString* reason);

} // namespace PdfPage
