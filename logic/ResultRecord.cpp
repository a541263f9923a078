// SPDX-License-Identifier: MIT
#include "logic/ResultRecord.h"

#include <iterator>

namespace Record {

namespace {

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

// The first word of a name, without the punctuation that may follow it ("Петрова, Анна").
std::string firstWord(std::string_view name) {
    const std::size_t start = name.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    name.remove_prefix(start);
    std::string_view word = name.substr(0, name.find(' '));
    while (!word.empty() && std::string_view(",.;").find(word.back()) != std::string_view::npos)
        word.remove_suffix(1);
    return std::string(word);
}

} // namespace

TestScore scoreOf(const Knowledge::TestRun& run) {
    TestScore score;
    for (int q = 1; q <= Knowledge::kQuestionCount; ++q)
        if (run.AnswerWrong[std::size_t(q - 1)] == 1)
            score.wrongQuestions.push_back(q);
    score.wrong = int(score.wrongQuestions.size());
    score.right = Knowledge::kQuestionCount - score.wrong;
    return score;
}

std::string questionList(const std::vector<int>& questions) {
    std::string list;
    for (const int q : questions)
        list += (list.empty() ? "" : " ") + std::to_string(q);
    return list;
}

std::string csvHeader() {
    return "Дата и время,Студент 1,Студент 2,Вводный тест: правильных ответов,"
           "Итоговый тест: правильных ответов,Ошибки в вопросах итогового теста,"
           "Значение Uаим,Ошибок кодирования";
}

std::string csvLine(const LabResult& result) {
    const std::string fields[] = {result.finishedAt,
                                  result.student1,
                                  result.student2,
                                  std::to_string(result.intro.right),
                                  std::to_string(result.final.right),
                                  questionList(result.final.wrongQuestions),
                                  std::to_string(result.practiceValue),
                                  std::to_string(result.practiceErrors)};
    std::string line = csvField(fields[0]);
    for (std::size_t i = 1; i < std::size(fields); ++i)
        line += ',' + csvField(fields[i]);
    return line;
}

std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string reportFileName(const LabResult& result) {
    std::string name = result.finishedAt.substr(0, 10);
    for (const std::string& student : {result.student1, result.student2}) {
        std::string surname = firstWord(student);
        for (char& c : surname)
            if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                static_cast<unsigned char>(c) < 32)
                c = '_';
        if (!surname.empty())
            name += ' ' + surname;
    }
    return name + ".pdf";
}

} // namespace Record
