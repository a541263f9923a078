// SPDX-License-Identifier: MIT
#pragma once

#include "coder/CoderModel.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The judge of the coding practice. The students code a value in sixteen steps (TactSteps):
// the start of a tact is checked against the trace's state during the comparison, its end
// against the state after the decision. A step names the cells it looks
// at, in a fixed order, and the first one that does not hold what it should is reported;
// every other cell may hold anything.
namespace Practice {

// From this many refused presses on, a finished run does not lead to the final test.
inline constexpr int kErrorLimit = 1000;

enum class Cell {
    Register,   // DigitalRegister bit of tact `index` (P = 1 ... D = 8)
    Generator,  // reference `index` Δ of the generator of the value's polarity
    Selector,   // SegmentSelector reference `index` Δ
    Comparator, // the Comparator's output
    Uet,        // the U эт field
};

// One entry a step checks and what the students are told when it is wrong.
struct Check {
    Cell cell;
    int index;    // tact or weight, see Cell; 0 for the Comparator and U эт
    char digit;   // '0' or '1': the text a cell must hold
    double level; // U эт only: the value the field must hold, negative for negative values
    std::string_view message;
};

// The checks of step 1..16 of the value whose trace is given, in the order they are made.
std::vector<Check> checksOf(const Coder::TCodingTrace& trace, int step);

// What the schematic's cells hold when "Далее >>" is pressed.
struct Entries {
    std::array<std::string, 8> registerCells;         // P X Y Z A B C D
    std::array<std::string, 11> gen1, gen2, selector; // 1024 Δ ... 1 Δ
    std::string comparator;
    std::optional<double> uet; // nothing while the field holds no number
};

// The message of the first check of the step that the entries fail; nothing when all hold.
std::optional<std::string_view> firstFailure(const Coder::TCodingTrace& trace, int step,
                                             const Entries& entries);

// What a passed step changes on the screen.
struct StepEffects {
    std::string status;   // the status line: the step to be entered next
    bool comparatorShown; // the Comparator cell is there while a tact's start is entered
    bool showsPolarity;   // the value's generator switched in, its row alone shown (step 1)
    bool clearSegmentBit; // register cell X goes back to "0" (step 2)
    bool finished;        // the run is over (step 16)
};
StepEffects effectsOf(int step);

// The status line when the practice opens on a value.
std::string openingStatus(std::int32_t uaim);
// The result line of a finished run: "Количество ошибок: " and the count.
std::string errorCountText(int errors);
// Whether a finished run with that many refused presses leads on to the final test.
bool leadsToFinalTest(int errors);

} // namespace Practice
