// SPDX-License-Identifier: MIT
#include "logic/JournalFormat.h"

#include "logic/IntegerText.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace Record {

namespace {

// What a spreadsheet takes for the start of a formula, and the apostrophe itself, so that
// taking one apostrophe away always gives back the name as typed.
constexpr std::string_view kFormulaStarts = "=+-@\t\r'";

std::string safeText(std::string_view text) {
    const bool formula = !text.empty() && kFormulaStarts.find(text.front()) != text.npos;
    return (formula ? "'" : "") + std::string(text);
}

std::string typedText(std::string_view field) {
    if (field.starts_with('\''))
        field.remove_prefix(1);
    return std::string(field);
}

std::optional<int> wholeIn(std::string_view field, int lowest, int highest) {
    const std::optional<std::int32_t> n = parseInt32(field);
    if (!n || *n < lowest || *n > highest)
        return std::nullopt;
    return int(*n);
}

bool readScore(TestScore& score, std::string_view field) {
    const std::optional<int> right = wholeIn(field, 0, Knowledge::kQuestionCount);
    if (right) {
        score.right = *right;
        score.wrong = Knowledge::kQuestionCount - *right;
    }
    return bool(right);
}

// An empty list beside a score with wrong answers is a list nobody kept: a journal made from
// results of an earlier lab leaves it so.
bool readQuestions(TestScore& score, std::string_view field) {
    std::optional<std::vector<int>> questions = parseQuestionList(field);
    if (questions) {
        score.questionsKnown = !questions->empty() || score.wrong == 0;
        score.wrongQuestions = std::move(*questions);
    }
    return bool(questions);
}

// The journal's columns, in order; a new column goes at the end, so that the columns of an
// older journal keep their places.
struct Column {
    std::string_view title;
    std::string (*write)(const LabResult&);
    bool (*read)(LabResult&, std::string_view); // false: no value this column can hold
};

const std::array<Column, 10> kColumns{{
    {"Дата и время", [](const LabResult& r) { return r.finishedAt; },
     [](LabResult& r, std::string_view f) { return !(r.finishedAt = f).empty(); }},
    {"Студент 1", [](const LabResult& r) { return safeText(r.student1); },
     [](LabResult& r, std::string_view f) { return r.student1 = typedText(f), true; }},
    {"Студент 2", [](const LabResult& r) { return safeText(r.student2); },
     [](LabResult& r, std::string_view f) { return r.student2 = typedText(f), true; }},
    {"Вводный тест: правильных ответов",
     [](const LabResult& r) { return std::to_string(r.intro.right); },
     [](LabResult& r, std::string_view f) { return readScore(r.intro, f); }},
    {"Итоговый тест: правильных ответов",
     [](const LabResult& r) { return std::to_string(r.final.right); },
     [](LabResult& r, std::string_view f) { return readScore(r.final, f); }},
    {"Ошибки в вопросах итогового теста",
     [](const LabResult& r) { return questionList(r.final.wrongQuestions); },
     [](LabResult& r, std::string_view f) { return readQuestions(r.final, f); }},
    {"Значение Uаим", [](const LabResult& r) { return std::to_string(r.practiceValue); },
     [](LabResult& r, std::string_view f) {
         const std::optional<std::int32_t> value = parseInt32(f);
         r.practiceValue = value.value_or(0);
         return value.has_value();
     }},
    {"Ошибок кодирования", [](const LabResult& r) { return std::to_string(r.practiceErrors); },
     [](LabResult& r, std::string_view f) {
         const std::optional<int> errors = wholeIn(f, 0, INT32_MAX);
         r.practiceErrors = errors.value_or(0);
         return errors.has_value();
     }},
    {"Ошибки в вопросах вводного теста",
     [](const LabResult& r) { return questionList(r.intro.wrongQuestions); },
     [](LabResult& r, std::string_view f) { return readQuestions(r.intro, f); }},
    {"Идентификатор результата", [](const LabResult& r) { return r.id; },
     [](LabResult& r, std::string_view f) { return r.id = f, true; }},
}};

// The columns every journal of this lab has had.
constexpr std::size_t kFirstColumns = 8;

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + csvField(fields[i]);
    return line;
}

std::vector<std::string> titles() {
    std::vector<std::string> names;
    for (const Column& column : kColumns)
        names.emplace_back(column.title);
    return names;
}

} // namespace

std::string csvHeader() {
    return joined(titles());
}

std::string csvLine(const LabResult& result) {
    std::vector<std::string> fields;
    for (const Column& column : kColumns)
        fields.push_back(column.write(result));
    return joined(fields);
}

std::vector<std::vector<std::string>> csvRecords(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields(1);
    bool quoted = false;
    const auto endRecord = [&] {
        if (fields.size() > 1 || !fields.front().empty())
            records.push_back(std::move(fields));
        fields.assign(1, {});
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            fields.back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (quoted)
            fields.back() += c;
        else if (c == ',')
            fields.emplace_back();
        else if (c == '\n' || (c == '\r' && text.substr(i + 1, 1) == "\n"))
            i += c == '\r', endRecord();
        else
            fields.back() += c;
    }
    endRecord();
    return records;
}

bool isOlderHeader(std::string_view header) {
    const std::vector<std::vector<std::string>> records = csvRecords(header);
    if (records.size() != 1)
        return false;
    const std::vector<std::string>& fields = records.front();
    const std::vector<std::string> current = titles();
    return fields.size() >= kFirstColumns && fields.size() < current.size() &&
           std::equal(fields.begin(), fields.end(), current.begin());
}

JournalReading readJournal(std::string_view text) {
    JournalReading reading;
    std::vector<std::vector<std::string>> records = csvRecords(text);
    // Each field of the header to its column; a column this lab does not know is passed over.
    std::vector<const Column*> columns;
    if (!records.empty())
        for (const std::string& title : records.front()) {
            const auto known = std::find_if(kColumns.begin(), kColumns.end(),
                                            [&](const Column& c) { return c.title == title; });
            columns.push_back(known == kColumns.end() ? nullptr : &*known);
        }
    const auto has = [&columns](std::size_t column) {
        return std::count(columns.begin(), columns.end(), &kColumns[column]) == 1;
    };
    reading.valid = has(0) && has(1);
    if (!reading.valid)
        return reading;
    for (auto record = std::next(records.begin()); record != records.end(); ++record) {
        LabResult result;
        result.intro.questionsKnown = result.final.questionsKnown = false;
        bool whole = true;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!columns[i])
                continue;
            if (i < record->size())
                whole = columns[i]->read(result, (*record)[i]) && whole;
            else // a torn line, unless it only lacks a column added since it was written
                whole = whole && columns[i] >= &kColumns[kFirstColumns];
        }
        if (whole)
            reading.results.push_back(std::move(result));
        else
            ++reading.skipped;
    }
    return reading;
}

} // namespace Record
