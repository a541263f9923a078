// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ClassSummary.h"

#include <QWidget>

class QChartView;
class QLabel;
class QTableWidget;

// What the group got wrong, for the results shown: the shares of each question as a chart
// with its numbers in a table beside it (for a reader that does not see the chart), the final
// test's scores, the means.
class SummaryView : public QWidget {
    Q_OBJECT
public:
    explicit SummaryView(QWidget* parent = nullptr);

    // `description` says which results these are.
    void setSummary(const Record::ClassSummary& summary, const QString& description);

private:
    QLabel* heading_;
    QChartView* shares_;
    QChartView* scores_;
    QTableWidget* questions_;
    QTableWidget* scoreTable_;
    QLabel* means_;
};
