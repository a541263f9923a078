// SPDX-License-Identifier: MIT
#include "app/journal/SortRanks.h"

#include "app/journal/ResultsModel.h"

#include <algorithm>
#include <numeric>

namespace {

// A list of questions as a number that orders lists as words are ordered: a digit of base 11
// per question, 0 past the end, so that a list comes before the longer ones it begins.
qint64 listKey(const Record::TestScore& score) {
    if (!score.questionsKnown)
        return -1;
    qint64 key = 0;
    for (std::size_t i = 0; i < std::size_t(Knowledge::kQuestionCount); ++i)
        key = key * 11 + (i < score.wrongQuestions.size() ? score.wrongQuestions[i] : 0);
    return key;
}

qint64 keyOf(const JournalRow& row, int column) {
    const Record::LabResult& r = row.result;
    switch (column) {
    case ResultsModel::When:
        return row.when;
    case ResultsModel::Student1:
        return row.order1;
    case ResultsModel::Student2:
        return row.order2;
    case ResultsModel::IntroRight:
        return r.intro.right;
    case ResultsModel::IntroWrong:
        return listKey(r.intro);
    case ResultsModel::FinalRight:
        return r.final.right;
    case ResultsModel::FinalWrong:
        return listKey(r.final);
    case ResultsModel::Uaim:
        return r.practiceValue;
    default:
        return r.practiceErrors;
    }
}

} // namespace

SortRanks::SortRanks(const std::vector<JournalRow>& rows)
    : rows_(rows.size()), ranks_(rows.size() * ResultsModel::ColumnCount) {
    std::vector<int> order(rows_);
    std::vector<qint64> keys(rows_), whens(rows_);
    for (std::size_t i = 0; i < rows_; ++i)
        whens[i] = rows[i].when;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        for (std::size_t i = 0; i < rows_; ++i)
            keys[i] = keyOf(rows[i], column);
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            if (keys[std::size_t(a)] != keys[std::size_t(b)])
                return keys[std::size_t(a)] < keys[std::size_t(b)];
            if (whens[std::size_t(a)] != whens[std::size_t(b)])
                return whens[std::size_t(a)] < whens[std::size_t(b)];
            return a < b;
        });
        int* ranks = ranks_.data() + std::size_t(column) * rows_; // none when no rows
        for (std::size_t place = 0; place < rows_; ++place)
            ranks[order[place]] = int(place);
    }
}
