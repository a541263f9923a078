// SPDX-License-Identifier: MIT
#include "app/journal/ResultsModel.h"

#include "foundation/Utf8Text.h"

#include <array>

namespace {

struct Heading {
    const char* title;
    const char* tip;
};
const std::array<Heading, ResultsModel::ColumnCount> kHeadings{{
    {"Дата и время", "Когда закончен итоговый тест"},
    {"Студент 1", "Первый студент"},
    {"Студент 2", "Второй студент"},
    {"Вводный тест", "Вводный тест: правильных ответов из 10"},
    {"Ошибки вводного", "Номера вопросов вводного теста с неправильным ответом"},
    {"Итоговый тест", "Итоговый тест: правильных ответов из 10"},
    {"Ошибки итогового", "Номера вопросов итогового теста с неправильным ответом"},
    {"Uаим", "Значение Uаим последнего кодирования"},
    {"Ошибок кодирования", "Ошибок при последнем кодировании"},
}};

QString wrongText(const Record::TestScore& score) {
    if (!score.questionsKnown)
        return QStringLiteral("нет данных");
    return score.wrongQuestions.empty() ? QStringLiteral("нет")
                                        : toQString(Record::questionList(score.wrongQuestions));
}

// "07.12.2026 14:05:09" for "2026-12-07 14:05:09", the way Russian readers write dates.
QString whenText(const JournalRow& row) {
    const QString text = toQString(row.result.finishedAt);
    if (row.when < 0)
        return text;
    return text.mid(8, 2) + QLatin1Char('.') + text.mid(5, 2) + QLatin1Char('.') + text.left(4) +
           text.mid(10);
}

} // namespace

void ResultsModel::setRows(std::vector<JournalRow> rows, SortRanks ranks) {
    beginResetModel();
    rows_ = std::move(rows);
    ranks_ = std::move(ranks);
    endResetModel();
}

void ResultsModel::setRows(std::vector<JournalRow> rows) {
    SortRanks ranks(rows);
    setRows(std::move(rows), std::move(ranks));
}

QModelIndex ResultsModel::index(int row, int column, const QModelIndex& parent) const {
    // Without the checks of the base, which ask for the counts: a sort asks for two indexes
    // for each of its million comparisons.
    const bool inside = !parent.isValid() && row >= 0 && std::size_t(row) < rows_.size() &&
                        column >= 0 && column < ColumnCount;
    return inside ? createIndex(row, column) : QModelIndex();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == IntroRight || column == FinalRight || column == Uaim ||
                       column == CodingErrors
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const JournalRow& row = rows_[std::size_t(index.row())];
    const Record::LabResult& result = row.result;
    switch (column) {
    case When:
        return whenText(row);
    case Student1:
        return row.student1;
    case Student2:
        return row.student2;
    case IntroRight:
        return result.intro.right;
    case IntroWrong:
        return wrongText(result.intro);
    case FinalRight:
        return result.final.right;
    case FinalWrong:
        return wrongText(result.final);
    case Uaim:
        return result.practiceValue;
    case CodingErrors:
        return result.practiceErrors;
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(kHeadings[std::size_t(section)].title);
    // The short title in full, for the mouse and for a screen reader.
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return QString::fromUtf8(kHeadings[std::size_t(section)].tip);
    return {};
}
