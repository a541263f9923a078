// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QSize>
#include <QTransform>

class QPainter;

// The coder's block schematic and the pictures that go with it, drawn at run time from the
// block and connection geometry, so they stay crisp at any display scale.
namespace Schematic {

// The picture on both coder screens, at its natural size and client position there.
inline constexpr QSize kPictureSize{592, 454};
inline constexpr QPoint kPictureOrigin{8, 24};
// Grey lines and captions; nothing is painted where the picture is white.
void paintSchematic(QPainter& painter);

// Polarity switch pictures in the schematic's grey.
inline constexpr QSize kOpenSwitchSize{19, 25};
inline constexpr QSize kClosedSwitchSize{8, 36};
void paintOpenSwitch(QPainter& painter);
void paintClosedSwitch(QPainter& painter);

// Figure 2 of the theory: the same diagram in black, with numbered lines, without the
// polarity switches and the cells.
inline constexpr QSize kFigure2Size{489, 404};
void paintFigure2(QPainter& painter);
// Where a point of the schematic picture lands in Figure 2.
QTransform figure2Transform();

} // namespace Schematic
