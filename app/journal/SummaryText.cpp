// SPDX-License-Identifier: MIT
#include "app/journal/SummaryText.h"

#include <QLocale>

#include <cmath>

namespace SummaryText {

namespace {

QString number(double value) {
    // Two decimals at most, a comma between, none left trailing: 8,25; 7,5; 3.
    return QLocale(QLocale::Russian, QLocale::Russia)
        .toString(std::round(value * 100) / 100, 'g', 12);
}

} // namespace

QString share(const Record::ClassSummary::Questions& questions, int question) {
    if (questions.known == 0)
        return QStringLiteral("нет данных");
    return QStringLiteral("%1 % (%2 из %3)")
        .arg(std::lround(questions.share(question) * 100))
        .arg(questions.wrong[std::size_t(question - 1)])
        .arg(questions.known);
}

QList<QStringList> questionRows(const Record::ClassSummary& summary) {
    QList<QStringList> rows;
    for (int q = 1; q <= Knowledge::kQuestionCount; ++q)
        rows.append({QString::number(q), share(summary.intro(), q), share(summary.final(), q)});
    return rows;
}

QList<QStringList> scoreRows(const Record::ClassSummary& summary) {
    QList<QStringList> rows;
    for (int right = 0; right <= Knowledge::kQuestionCount; ++right)
        rows.append({QString::number(right), QString::number(summary.finalScores(right))});
    return rows;
}

QStringList means(const Record::ClassSummary& summary) {
    return {QStringLiteral("Средний балл вводного теста: ") + number(summary.meanIntro()),
            QStringLiteral("Средний балл итогового теста: ") + number(summary.meanFinal()),
            QStringLiteral("Ошибок кодирования в среднем: ") + number(summary.meanCodingErrors())};
}

} // namespace SummaryText
