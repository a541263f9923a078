// SPDX-License-Identifier: MIT
#pragma once

#include "app/journal/JournalRow.h"

#include <vector>

// Each row's place in the order of each column of the results table, worked out once, away
// from the window: a sort of many rows then compares two whole numbers a million times.
// Numbers sort as numbers, dates as dates, names alphabetically, a list of questions nobody
// kept before every list; rows equal in a column keep the order of their dates, then of
// their loading.
class SortRanks {
public:
    SortRanks() = default;
    explicit SortRanks(const std::vector<JournalRow>& rows);

    int rank(int row, int column) const {
        return ranks_[std::size_t(column) * rows_ + std::size_t(row)];
    }

private:
    std::size_t rows_ = 0;
    std::vector<int> ranks_; // column by column: the rows of one sort lie together
};
