// SPDX-License-Identifier: MIT
#include "app/store/PdfPage.h"

#include "app/store/SafeFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace PdfPage {

bool paint(QPagedPaintDevice& device, const Paint& paint) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter,
          QRect(QPoint(), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()));
    return painter.end();
}

bool save(const QString& path, const QString& title, const QString& creator, double marginMm,
          const Paint& paint, QString* reason) {
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(creator);
        if (!PdfPage::paint(writer, paint)) {
            if (reason)
                *reason = QStringLiteral("не удалось составить документ");
            return false;
        }
    }
    return SafeFile::replace(path, document.data(), reason);
}

} // namespace PdfPage
