// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ClassSummary.h"

#include <QDate>
#include <QSortFilterProxyModel>

#include <vector>

class ResultsModel;

// The results the teacher asked for: those finished within a period, those with a part of a
// name in either student's name, in the order of a column; numbers sort as numbers, dates as
// dates, names alphabetically.
class ResultsFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ResultsFilterModel(ResultsModel* results, QObject* parent = nullptr);

    // Null dates: no limit on that side. Both days belong to the period.
    void setPeriod(QDate from, QDate to);
    // Any case, ё as е; blanks around it do not count; empty: every name.
    void setNamePart(const QString& part);

    // The shown results, in the shown order.
    std::vector<const Record::LabResult*> shownResults() const;
    Record::ClassSummary summary() const;

    // A row is numbered by its place in the shown order, not in the loaded one.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    ResultsModel* results_;
    qint64 fromDay_ = -1, toDay_ = -1;
    QString part_;
};
