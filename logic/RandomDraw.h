// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <initializer_list>

// One whole number from 0 to n - 1, drawn uniformly. The default source seeds a fresh
// generator from the high-resolution clock immediately before every draw.
int DrawRandom(int n);

// Where the draws come from. Tests install a scripted source; an empty function restores
// the clock-seeded default. Returns the source that was in place.
using RandomSource = std::function<int(int n)>;
RandomSource setRandomSource(RandomSource source);

// Draws with `draw` again while the value equals one of `earlier`, at most `maxDraws`
// draws in all; when they are used up the last value drawn is kept.
int drawAvoiding(const std::function<int()>& draw, std::initializer_list<int> earlier,
                 int maxDraws);
