// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The status line of both coder screens, in UTF-8.

// "Начало 3-го такта. Определение номера сегмента амплитудной характеристики", and "Конец "
// for the end of a tact; the purpose follows the tact: sign (1), segment (2-4), step (5-8).
std::string tactStatus(bool start, int tact);

// "Значение Uаим для кодирования = -37", the value in decimal.
std::string valueStatus(std::int32_t uaim);
