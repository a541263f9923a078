// SPDX-License-Identifier: MIT
#include "app/journal/SummaryView.h"

#include "app/journal/SummaryCharts.h"
#include "app/journal/SummaryText.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A table of a few numbers, all in sight without scrolling: its rows' height fixed, the
// numbers' columns sharing the width.
QTableWidget* numbersTable(const QString& name, const QStringList& headings, int rows) {
    auto* table = new QTableWidget(rows, int(headings.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* across = table->horizontalHeader();
    across->setSectionResizeMode(QHeaderView::Stretch);
    across->setMinimumSectionSize(table->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setFixedHeight(across->sizeHint().height() + rows * (table->fontMetrics().height() + 8) +
                          2 * table->frameWidth());
    return table;
}

QStringList scoreHeadings() {
    QStringList headings;
    for (int right = 0; right <= Knowledge::kQuestionCount; ++right)
        headings << QString::number(right);
    return headings;
}

void fill(QTableWidget* table, const QList<QStringList>& rows) {
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
}

QChartView* chartView(QChart* chart, const QString& name, const QString& where) {
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 220);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(
        QStringLiteral("Диаграмма; её числа — в таблице «%1»").arg(where));
    return view;
}

} // namespace

SummaryView::SummaryView(QWidget* parent)
    : QWidget(parent), heading_(new QLabel),
      shares_(chartView(SummaryCharts::wrongShares(), QStringLiteral("sharesChart"),
                        QStringLiteral("Ошибки по вопросам"))),
      scores_(chartView(SummaryCharts::finalScores(), QStringLiteral("scoresChart"),
                        QStringLiteral("Оценки итогового теста"))),
      questions_(numbersTable(QStringLiteral("questionTable"),
                              {QStringLiteral("Вопрос"), QStringLiteral("Вводный тест"),
                               QStringLiteral("Итоговый тест")},
                              Knowledge::kQuestionCount)),
      scoreTable_(numbersTable(QStringLiteral("scoreTable"), scoreHeadings(), 1)),
      means_(new QLabel) {
    heading_->setObjectName(QStringLiteral("summaryHeading"));
    heading_->setWordWrap(true);
    means_->setObjectName(QStringLiteral("means"));
    means_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    questions_->setAccessibleName(QStringLiteral("Ошибки по вопросам: доля ошибившихся"));
    scoreTable_->setAccessibleName(QStringLiteral(
        "Оценки итогового теста: сколько результатов с каждым числом правильных ответов"));
    scoreTable_->setVerticalHeaderLabels({QStringLiteral("Результатов")});
    questions_->verticalHeader()->hide();

    auto* charts = new QVBoxLayout;
    charts->addWidget(shares_, 3);
    charts->addWidget(scores_, 2);
    auto* numbers = new QVBoxLayout;
    const auto caption = [numbers](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text);
        label->setBuddy(buddy);
        numbers->addWidget(label);
        numbers->addWidget(buddy);
    };
    caption(QStringLiteral("О&шибки по вопросам (доля ошибившихся):"), questions_);
    caption(QStringLiteral("Оц&енки итогового теста (правильных ответов):"), scoreTable_);
    numbers->addWidget(means_);
    numbers->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(charts, 3);
    body->addLayout(numbers, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(body, 1);
    setTabOrder(questions_, scoreTable_);
}

void SummaryView::setSummary(const Record::ClassSummary& summary, const QString& description) {
    heading_->setText(description);
    SummaryCharts::showShares(shares_->chart(), summary);
    SummaryCharts::showScores(scores_->chart(), summary);
    fill(questions_, SummaryText::questionRows(summary));
    // Across, one column a score: eleven short numbers fit one line.
    QStringList counts;
    for (const QStringList& row : SummaryText::scoreRows(summary))
        counts << row[1];
    fill(scoreTable_, {counts});
    means_->setText(SummaryText::means(summary).join(QLatin1Char('\n')));
    means_->setAccessibleName(means_->text());
}
