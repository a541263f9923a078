// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QApplication;

namespace LabStyle {

// Fonts by character height in pixels, like the classic 8- and 10-point sans of the lab.
// The families named all carry Cyrillic glyphs, so no missing-font lookup happens.
QFont sans(int pixelHeight, bool bold = false);
QFont serif(int pixelHeight, bool bold = false);
QFont verdana(int pixelHeight);
// The sans by its size in points, for paper: the report and the teacher's summary.
QFont pointSans(double points, bool bold = false);

// The system button face every screen and cell stands on; the prompts compare against it.
inline constexpr QColor kBtnFace{240, 240, 240};
inline constexpr QColor kPromptRed{255, 0, 0};
inline constexpr QColor kPromptGreen{0, 128, 0};
inline constexpr QColor kSchematicGrey{128, 128, 128};

// Sets a text colour for the enabled look only, so that a greyed control keeps the style's
// disabled grey.
void setEnabledColor(QPalette& palette, QPalette::ColorRole role, const QColor& color);

// The names the user's data folder of the lab is found by, and the version.
void nameApplication();

// Style, palette, default font, application name and version: the same for the lab and
// for the tests, so both see identical screens.
void setUpApplication(QApplication& app);

} // namespace LabStyle
