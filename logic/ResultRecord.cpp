// SPDX-License-Identifier: MIT
#include "logic/ResultRecord.h"

#include "logic/IntegerText.h"

namespace Record {

namespace {

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

std::optional<std::vector<int>> parseQuestionList(std::string_view list) {
    std::vector<int> questions;
    while (!list.empty()) {
        const std::size_t end = list.find(' ');
        const std::string_view word = list.substr(0, end);
        if (!word.empty()) {
            const std::optional<std::int32_t> q = parseInt32(word);
            if (!q || *q < 1 || *q > Knowledge::kQuestionCount)
                return std::nullopt;
            questions.push_back(*q);
        }
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return questions;
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
