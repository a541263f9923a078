// SPDX-License-Identifier: MIT
#include "logic/TactSteps.h"

namespace TactSteps {

std::string status(bool start, int tact) {
    const char* purpose = tact == 1 ? "Определение знака входного сигнала"
                          : tact <= 4 ? "Определение номера сегмента амплитудной характеристики"
                                      : "Определение шага внутри сегмента";
    return std::string(start ? "Начало " : "Конец ") + std::to_string(tact) + "-го такта. " +
           purpose;
}

std::string valueStatus(std::int32_t uaim) {
    return "Значение Uаим для кодирования = " + std::to_string(uaim);
}

} // namespace TactSteps
