// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// Texts a reader has approved, kept as files in tests/approved: a test sets what the lab
// gives now beside one, line by line, so that a changed letter fails as the line it is on.
// After a change meant to alter them, read the new lines, then approve them with
//   LAB_APPROVE_TEXTS=1 ctest --test-dir build -R <test>
namespace Approved {

inline QString path(const char* name) {
    return QStringLiteral(LAB_APPROVED_DIR "/%1.txt").arg(QLatin1String(name));
}

// The approved lines of a file, or of those that match `pattern` the captures.
inline QList<QStringList> rows(const char* name, const QString& pattern = QStringLiteral("(.*)")) {
    QFile file(path(name));
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QRegularExpression row(QLatin1Char('^') + pattern + QLatin1Char('$'));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (const QRegularExpressionMatch m = row.match(line); m.hasMatch() && !line.isEmpty())
            rows.append(m.capturedTexts().mid(1));
    return rows;
}

// Fails at the first line that differs from the approved file, naming its place.
inline void compare(const char* name, const QStringList& now) {
    if (qEnvironmentVariableIsSet("LAB_APPROVE_TEXTS")) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((now.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    QVERIFY2(QFile::exists(path(name)), qPrintable(path(name) + QStringLiteral(" is missing")));
    QStringList approved;
    for (const QStringList& line : rows(name))
        approved << line.first();
    for (qsizetype i = 0; i < std::max(now.size(), approved.size()); ++i) {
        const QByteArray where = QStringLiteral("%1.txt:%2").arg(name).arg(i + 1).toUtf8();
        if (!QTest::qCompare(now.value(i, QStringLiteral("(nothing)")),
                             approved.value(i, QStringLiteral("(nothing)")), "now", where.data(),
                             __FILE__, __LINE__))
            return;
    }
}

} // namespace Approved
