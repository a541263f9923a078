// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// Both coder screens walk a value in sixteen steps, two per tact: step 2k - 1 is the start of
// tact k (the comparison), step 2k its end (the decision). The status line above the
// schematic names the step. Texts are UTF-8.
namespace TactSteps {

inline constexpr int kCount = 16;

constexpr int tactOf(int step) {
    return (step + 1) / 2;
}
constexpr bool isStart(int step) {
    return step % 2 == 1;
}

// "Начало 3-го такта. Определение номера сегмента амплитудной характеристики", "Конец " for
// the end of a tact; the purpose follows the tact: the sign (1), the segment (2 to 4), the
// step inside the segment (5 to 8).
std::string status(bool start, int tact);

// "Значение Uаим для кодирования = -37", the value in decimal.
std::string valueStatus(std::int32_t uaim);

} // namespace TactSteps
