// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

class QPainter;

// The coder's block schematic and the pictures that go with it, drawn at run time from the
// block and connection geometry, so they stay crisp at any display scale.
namespace Schematic {

// The picture on both coder screens, at its natural size and client position there.
inline constexpr QSize kPictureSize{592, 454};
inline constexpr QPoint kPictureOrigin{8, 24};
// Grey lines and captions; nothing is painted where the picture is white.
void paintSchematic(QPainter& painter);

// Rows of parallel upward arrows, by the left pixel of each 2-pixel line, left to right: into
// Gen1 and Gen2 (references 1024 ... 1 Δ), into the switch block from the selector (the same
// references) and into the selector from the register (bits X ... D). The cells stand beside
// them.
inline constexpr std::array<int, 11> kGen1Inputs{43, 61, 79, 97, 115, 133, 152, 170, 188, 206, 224};
inline constexpr std::array<int, 11> kGen2Inputs{283, 301, 319, 337, 355, 373,
                                                 392, 410, 428, 446, 464};
inline constexpr std::array<int, 11> kSwitchInputs{174, 192, 210, 228, 246, 264,
                                                   283, 301, 319, 337, 355};
inline constexpr std::array<int, 7> kSelectorInputs{192, 219, 246, 274, 301, 328, 355};
// The register's left side, where the line to the switch block leaves it (bit P).
inline constexpr int kRegisterLeft = 137;

// The blocks the practice's lamps light, and where a lamp lies, in picture pixels: inside the
// block's outline, reaching under the inner pixels of its right and bottom lines, which the
// picture drawn over the lamp covers.
enum class LitBlock { SegmentSelector, DigitalRegister };
QRect lampArea(LitBlock block);

// Polarity switch pictures in the schematic's grey.
inline constexpr QSize kOpenSwitchSize{19, 25};
inline constexpr QSize kClosedSwitchSize{8, 36};
void paintOpenSwitch(QPainter& painter);
void paintClosedSwitch(QPainter& painter);

// Figure 2 of the theory: the same diagram in black, with numbered lines, without the
// polarity switches and the cells, fitted into its top `visibleRows` rows: the text below the
// figure lies over the rest.
inline constexpr QSize kFigure2Size{489, 404};
void paintFigure2(QPainter& painter, int visibleRows);

} // namespace Schematic
