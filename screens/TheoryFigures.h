// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

class QPainter;

// The two pictures of the theory that are not the coder schematic, drawn at run time in
// black on a white the screen sees through.
namespace TheoryFigures {

// Figure 1: the segmented compression characteristic.
inline constexpr QSize kFigure1Size{461, 324};
void paintFigure1(QPainter& painter);

// Table 1: how the tacts 2 to 4 choose the segment's base reference.
inline constexpr QSize kTable1Size{554, 265};
void paintTable1(QPainter& painter);

} // namespace TheoryFigures
