// SPDX-License-Identifier: MIT
#include "app/journal/ResultsFilterModel.h"

#include "app/journal/ResultsModel.h"

namespace {

qint64 dayKey(QDate date) {
    return date.isValid() ? qint64(date.year()) * 10000 + date.month() * 100 + date.day() : -1;
}

} // namespace

ResultsFilterModel::ResultsFilterModel(ResultsModel* results, QObject* parent)
    : QSortFilterProxyModel(parent), results_(results) {
    setSourceModel(results);
}

void ResultsFilterModel::setPeriod(QDate from, QDate to) {
    fromDay_ = dayKey(from);
    toDay_ = dayKey(to);
    // Mapped anew in one step: invalidateFilter() takes the hidden rows out stretch by stretch,
    // and the view goes over all its rows for each stretch.
    invalidate();
}

void ResultsFilterModel::setNamePart(const QString& part) {
    const QString folded = JournalRow::searchForm(part.trimmed());
    if (folded == part_)
        return;
    part_ = folded;
    invalidate();
}

bool ResultsFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const JournalRow& row = results_->row(sourceRow);
    if (fromDay_ >= 0 && row.day() < fromDay_)
        return false;
    if (toDay_ >= 0 && (row.day() < 0 || row.day() > toDay_))
        return false;
    return part_.isEmpty() || row.folded1.contains(part_) || row.folded2.contains(part_);
}

bool ResultsFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const SortRanks& ranks = results_->ranks();
    return ranks.rank(left.row(), left.column()) < ranks.rank(right.row(), left.column());
}

QVariant ResultsFilterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

std::vector<const Record::LabResult*> ResultsFilterModel::shownResults() const {
    std::vector<const Record::LabResult*> shown;
    shown.reserve(std::size_t(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        shown.push_back(&results_->row(mapToSource(index(i, 0)).row()).result);
    return shown;
}

Record::ClassSummary ResultsFilterModel::summary() const {
    Record::ClassSummary summary;
    for (const Record::LabResult* result : shownResults())
        summary.add(*result);
    return summary;
}
