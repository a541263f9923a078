// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/Picture.h"

// The unit "Δ,В" written as a small picture, black on white; white is left unpainted so
// the screen shows through. Both tests put it beside an answer field.
inline constexpr QSize kUnitPictureSize{23, 15};

void drawUnitPicture(QPainter& painter);

Picture* makeUnitPicture(QWidget* parent);
