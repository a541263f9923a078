#pragma once

#include <QString>

// The status line's naming of a tact: "Начало 3-го такта. Определение номера сегмента
// амплитудной характеристики", and the like for the end of a tact.
QString tactStatusText(bool start, int tact);
