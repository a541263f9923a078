// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Texts a reader has approved, kept as files in tests/approved: a test sets what the lab
// gives now beside one, line by line, so that a changed letter fails as the line it is on.
// After a change meant to alter them, read the new lines, then approve them with
//   LAB_APPROVE_TEXTS=1 ctest --test-dir build -R <test>
namespace Approved {

// The lines of an approved file that match `pattern`, as its captures.
inline QList<QStringList> rows(const char* name, const QString& pattern = QStringLiteral("(.+)")) {
    QFile file(QStringLiteral(LAB_APPROVED_DIR "/%1.txt").arg(QLatin1String(name)));
    QList<QStringList> rows;
    const QRegularExpression row(QLatin1Char('^') + pattern + QLatin1Char('$'));
    for (const QString& line : QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                 : QByteArray())
                                   .split(QLatin1Char('\n')))
        if (const QRegularExpressionMatch m = row.match(line); m.hasMatch())
            rows.append(m.capturedTexts().mid(1));
    return rows;
}

// Fails at the first line that differs from the approved file, naming its place.
inline void compare(const char* name, const QStringList& now) {
    QFile file(QStringLiteral(LAB_APPROVED_DIR "/%1.txt").arg(QLatin1String(name)));
    if (qEnvironmentVariableIsSet("LAB_APPROVE_TEXTS")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((now.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    const QList<QStringList> approved = rows(name);
    QVERIFY2(!approved.isEmpty(), qPrintable(file.fileName() + QStringLiteral(" is missing")));
    for (qsizetype i = 0; i < std::max(now.size(), approved.size()); ++i) {
        const QByteArray where = QStringLiteral("%1.txt:%2").arg(name).arg(i + 1).toUtf8();
        if (!QTest::qCompare(now.value(i, QStringLiteral("(nothing)")),
                             approved.value(i, {QStringLiteral("(nothing)")}).first(), "now",
                             where.data(), __FILE__, __LINE__))
            return;
    }
}

} // namespace Approved
