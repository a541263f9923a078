// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

// The command line of every program of the lab: --help and --version answered, anything
// unknown refused, all in Russian and before an application object exists, so that neither
// needs a display.
namespace CommandLine {

struct Option {
    const char* name;  // "--send-results"
    const char* value; // the name of its value in the help ("ЧТО"), nullptr when it takes none
    const char* help;  // one line
};

struct Usage {
    const char* program;         // the name it is installed and called by
    const char* arguments;       // the plain arguments in the synopsis, "[ПАПКА]", or ""
    int maxArguments;            // how many plain arguments it takes
    const char* about;           // what it does, as a paragraph of the help
    std::vector<Option> options; // its own; --help and --version are everybody's
};

// Answers --help and --version on the standard output (exit code 0) and refuses an unknown
// option, a missing value or a surplus argument on the standard error (exit code 2).
// Returns the exit code when the program is to end with it, nothing when it goes on.
std::optional<int> answer(int argc, char* argv[], const Usage& usage);

// Whether the option was given; for the options that answer() let through.
bool given(int argc, char* argv[], const char* name);

} // namespace CommandLine
