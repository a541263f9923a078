// SPDX-License-Identifier: MIT
#pragma once

#include "app/journal/JournalRow.h"
#include "app/journal/SortRanks.h"

#include <QAbstractTableModel>

#include <vector>

// Every loaded result, one row each, as the teacher reads it.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        When,
        Student1,
        Student2,
        IntroRight,
        IntroWrong,
        FinalRight,
        FinalWrong,
        Uaim,
        CodingErrors,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The ranks are those of the rows, made away from the window when they are many.
    void setRows(std::vector<JournalRow> rows, SortRanks ranks);
    void setRows(std::vector<JournalRow> rows);
    const std::vector<JournalRow>& rows() const { return rows_; }
    const JournalRow& row(int source) const { return rows_[std::size_t(source)]; }
    const SortRanks& ranks() const { return ranks_; }

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<JournalRow> rows_;
    SortRanks ranks_;
};
