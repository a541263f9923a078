// SPDX-License-Identifier: MIT
#include "PdfText.h"

#include <QProcess>

QString pdfText(const QString& path, bool layout) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    (layout ? QStringList{QStringLiteral("-layout")} : QStringList())
                        << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("pdftotext failed on ") + path;
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}
