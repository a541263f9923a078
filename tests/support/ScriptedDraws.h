// SPDX-License-Identifier: MIT
#pragma once

#include "logic/RandomDraw.h"

#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

// While one lives, draws come from a script instead of the clock: raw results 0 .. n - 1 of
// the draws that take them, in order. A draw beyond the script (unless a fallback is set) or
// outside the range asked for fails the running test.
class ScriptedDraws {
public:
    ScriptedDraws(std::initializer_list<int> values = {});
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    void push(std::initializer_list<int> values);
    // Every draw once the script is used up returns this.
    void setFallback(int value) { fallback_ = value; }
    int remaining() const { return int(queue_.size()); }
    // The n of every draw made so far.
    const std::vector<int>& ranges() const { return ranges_; }

private:
    std::deque<int> queue_;
    std::optional<int> fallback_;
    std::vector<int> ranges_;
    RandomSource previous_;
};
