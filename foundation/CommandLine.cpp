// SPDX-License-Identifier: MIT
#include "foundation/CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace CommandLine {

namespace {

// What getopt-style programs end with on a wrong command line.
constexpr int kRefused = 2;

const Option kHelp{"-h, --help", nullptr, "показать эту справку и завершиться"};
const Option kVersion{"--version", nullptr, "показать версию и завершиться"};

bool same(const char* word, const char* name) {
    return std::strcmp(word, name) == 0;
}

// Letters, not bytes: the names of values are Cyrillic and the columns must line up.
std::size_t widthOf(const std::string& text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string columnOf(const Option& option) {
    return option.value ? std::string(option.name) + ' ' + option.value : option.name;
}

void printHelp(const Usage& usage) {
    std::vector<Option> options = usage.options;
    options.push_back(kHelp);
    options.push_back(kVersion);
    std::size_t widest = 0;
    for (const Option& option : options)
        widest = std::max(widest, widthOf(columnOf(option)));
    std::string text = std::string("Использование: ") + usage.program + " [ПАРАМЕТР]...";
    if (*usage.arguments)
        text += std::string(" ") + usage.arguments;
    text += std::string("\n") + usage.about + "\n\nПараметры:\n";
    for (const Option& option : options) {
        const std::string column = columnOf(option);
        text += "  " + column + std::string(widest - widthOf(column) + 2, ' ') + option.help + '\n';
    }
    std::fputs(text.c_str(), stdout);
}

void printVersion(const Usage& usage) {
    std::printf("%s (Нелинейный кодер) %s\n"
                "Copyright (c) 2026 Nonlinear Coder Lab developers\n"
                "Лицензия MIT: программу можно свободно использовать, изменять и "
                "распространять.\n",
                usage.program, LAB_VERSION);
}

int refuse(const Usage& usage, const char* what, const char* word) {
    std::fprintf(stderr, "%s: %s «%s»\nСправка: %s --help\n", usage.program, what, word,
                 usage.program);
    return kRefused;
}

const Option* optionOf(const Usage& usage, const char* word) {
    const auto found =
        std::find_if(usage.options.begin(), usage.options.end(),
                     [word](const Option& option) { return same(word, option.name); });
    return found == usage.options.end() ? nullptr : &*found;
}

} // namespace

std::optional<int> answer(int argc, char* argv[], const Usage& usage) {
    int arguments = 0;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (same(word, "--help") || same(word, "-h")) {
            printHelp(usage);
            return 0;
        }
        if (same(word, kVersion.name)) {
            printVersion(usage);
            return 0;
        }
        if (word[0] != '-') {
            if (++arguments > usage.maxArguments)
                return refuse(usage, "лишний аргумент", word);
            continue;
        }
        const Option* option = optionOf(usage, word);
        if (!option)
            return refuse(usage, "неизвестный параметр", word);
        if (option->value && ++i == argc)
            return refuse(usage, "не указано значение параметра", word);
    }
    return std::nullopt;
}

bool given(int argc, char* argv[], const char* name) {
    return std::any_of(argv + 1, argv + argc,
                       [name](const char* word) { return same(word, name); });
}

} // namespace CommandLine
