// SPDX-License-Identifier: MIT
#include "app/journal/JournalRow.h"

#include "foundation/Utf8Text.h"

#include <QCollator>
#include <QHash>
#include <QLocale>

#include <algorithm>

qint64 JournalRow::timeKey(std::string_view text) {
    // yyyy-MM-dd HH:mm:ss: the separators where they belong, digits everywhere else.
    constexpr std::string_view kForm = "0000-00-00 00:00:00";
    if (text.size() != kForm.size())
        return -1;
    qint64 key = 0;
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        if (kForm[i] != '0') {
            if (text[i] != kForm[i])
                return -1;
        } else if (text[i] < '0' || text[i] > '9') {
            return -1;
        } else {
            key = key * 10 + (text[i] - '0');
        }
    }
    return key;
}

QString JournalRow::searchForm(const QString& text) {
    return text.toCaseFolded().replace(QChar(u'ё'), QChar(u'е'));
}

std::vector<JournalRow> JournalRow::rowsOf(std::vector<Record::LabResult> results) {
    std::vector<JournalRow> rows(results.size());
    QHash<QString, int> order;
    for (std::size_t i = 0; i < results.size(); ++i) {
        JournalRow& row = rows[i];
        row.result = std::move(results[i]);
        row.student1 = toQString(row.result.student1);
        row.student2 = toQString(row.result.student2);
        row.folded1 = searchForm(row.student1);
        row.folded2 = searchForm(row.student2);
        row.when = timeKey(row.result.finishedAt);
        order.insert(row.student1, 0);
        order.insert(row.student2, 0);
    }
    // Sort keys once per distinct name: a collator's comparison is too slow to sort by.
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, QString>> names;
    names.reserve(std::size_t(order.size()));
    for (auto name = order.keyBegin(); name != order.keyEnd(); ++name)
        names.emplace_back(collator.sortKey(*name), *name);
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        const int c = a.first.compare(b.first);
        return c < 0 || (c == 0 && a.second < b.second);
    });
    for (std::size_t i = 0; i < names.size(); ++i)
        order[names[i].second] = int(i);
    for (JournalRow& row : rows) {
        row.order1 = order.value(row.student1);
        row.order2 = order.value(row.student2);
    }
    return rows;
}
