// SPDX-License-Identifier: MIT
#include "app/journal/SummaryCharts.h"

#include "foundation/LabStyle.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <algorithm>

namespace SummaryCharts {

namespace {

// Dark and light enough apart to tell the tests' bars on a black-and-white printout.
const QColor kIntroColour{0x1b, 0x3d, 0x6d};
const QColor kFinalColour{0xf0, 0xa0, 0x30};

QChart* barChart(const QString& title, int first, int last, const QString& across,
                 const QString& up, const QList<std::pair<QString, QColor>>& sets) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(title);
    chart->setTitleFont(LabStyle::sans(14, true));
    auto* series = new QBarSeries(chart);
    for (const auto& [name, colour] : sets) {
        auto* set = new QBarSet(name);
        set->setColor(colour);
        set->setBorderColor(colour.darker(130));
        for (int i = first; i <= last; ++i)
            set->append(0);
        series->append(set);
    }
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis(chart);
    for (int i = first; i <= last; ++i)
        categories->append(QString::number(i));
    auto* values = new QValueAxis(chart);
    values->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(categories), static_cast<QAbstractAxis*>(values)}) {
        axis->setLabelsFont(LabStyle::sans(12));
        axis->setTitleFont(LabStyle::sans(12));
        axis->setTitleText(axis == categories ? across : up);
    }
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    chart->legend()->setVisible(sets.size() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(LabStyle::sans(12));
    return chart;
}

QBarSeries* seriesOf(QChart* chart) {
    return static_cast<QBarSeries*>(chart->series().constFirst());
}

QValueAxis* valuesOf(QChart* chart) {
    return static_cast<QValueAxis*>(chart->axes(Qt::Vertical).constFirst());
}

} // namespace

QChart* wrongShares() {
    QChart* chart =
        barChart(QStringLiteral("Доля ошибившихся по вопросам"), 1, Knowledge::kQuestionCount,
                 QStringLiteral("Вопрос"), QStringLiteral("Ошиблись, %"),
                 {{QStringLiteral("Вводный тест"), kIntroColour},
                  {QStringLiteral("Итоговый тест"), kFinalColour}});
    valuesOf(chart)->setRange(0, 100);
    valuesOf(chart)->setTickCount(6);
    return chart;
}

QChart* finalScores() {
    QChart* chart =
        barChart(QStringLiteral("Итоговый тест: сколько результатов с оценкой"), 0,
                 Knowledge::kQuestionCount, QStringLiteral("Правильных ответов"),
                 QStringLiteral("Результатов"), {{QStringLiteral("Итоговый тест"), kFinalColour}});
    QBarSeries* series = seriesOf(chart);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->barSets().constFirst()->setLabelColor(Qt::black);
    return chart;
}

void showShares(QChart* chart, const Record::ClassSummary& summary) {
    const QList<QBarSet*> sets = seriesOf(chart)->barSets();
    for (int q = 1; q <= Knowledge::kQuestionCount; ++q) {
        sets[0]->replace(q - 1, summary.intro().share(q) * 100);
        sets[1]->replace(q - 1, summary.final().share(q) * 100);
    }
}

void showScores(QChart* chart, const Record::ClassSummary& summary) {
    QBarSet* set = seriesOf(chart)->barSets().constFirst();
    int most = 0;
    for (int right = 0; right <= Knowledge::kQuestionCount; ++right) {
        set->replace(right, summary.finalScores(right));
        most = std::max(most, summary.finalScores(right));
    }
    // Whole-number ticks, at most six of them, the top one above the highest bar.
    const int step = std::max(1, (most + 4) / 5);
    const int top = step * (most / step + 1);
    valuesOf(chart)->setRange(0, top);
    valuesOf(chart)->setTickCount(top / step + 1);
}

} // namespace SummaryCharts
