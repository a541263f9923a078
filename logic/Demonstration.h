// SPDX-License-Identifier: MIT
#pragma once

#include "coder/CoderModel.h"

#include <cstdint>
#include <optional>
#include <string>

// The coder demonstration: a drawn value shown half a tact per press of "Далее>>", sixteen
// presses a value, and the seventeenth draws the next one. Every number comes from the
// value's trace. Texts are UTF-8.
namespace Demonstration {

// What a press changes on the schematic.
struct View {
    enum class Kind { Start, End, Restart };
    Kind kind = Kind::Restart;
    std::string status; // the status line
    // Start and End only.
    int tact = 0;
    char registerDigit = '0';        // the tact's register cell: '1' while compared, then the bit
    char comparator = '0';           // Start: the Comparator's output, shown; End: hidden
    Coder::TReferenceSet references; // in the value's generator row and the selector row
    std::optional<std::string> uet;  // the U эт field; nothing leaves it as it is (tact 1)
    bool closesSwitch = false;       // the value's switch closes and its generator row alone shows
};

class Walk {
public:
    Walk();

    // A new value from -2000 to 2000; a zero is drawn once more, and the second draw stands.
    void drawValue();
    // One press of "Далее>>". A Restart view means a new value: the schematic starts clear.
    View press();

    int stepCount() const { return stepCount_; }
    std::int32_t value() const { return trace_.uaim; }
    bool positive() const { return trace_.positive; }
    // "Значение Uаим для кодирования = -37."
    std::string valueStatus() const;

private:
    int stepCount_ = 0;
    Coder::TCodingTrace trace_;
};

} // namespace Demonstration
