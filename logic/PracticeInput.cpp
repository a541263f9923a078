// SPDX-License-Identifier: MIT
#include "logic/PracticeInput.h"

#include "logic/IntegerText.h"

namespace Practice {

std::optional<std::string_view> inputRefusal(std::string_view text) {
    if (text.empty())
        return "Не введено значение Uаим";
    if (text == "0")
        return "Uаим не должен равняться 0";
    // Letters, and whatever else would fail on the coding screen, are refused here with the
    // same words, so the students never code a value they did not enter.
    if (!parseInt32(text))
        return "Значение Uаим должно быть числом";
    return std::nullopt;
}

} // namespace Practice
