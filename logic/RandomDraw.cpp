// SPDX-License-Identifier: MIT
#include "logic/RandomDraw.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace {

int clockSeededDraw(int n) {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(ticks));
    std::uniform_int_distribution<int> distribution(0, n - 1);
    return distribution(generator);
}

RandomSource& currentSource() {
    static RandomSource source;
    return source;
}

} // namespace

int DrawRandom(int n) {
    if (n <= 1)
        return 0;
    const RandomSource& source = currentSource();
    const int value = source ? source(n) : clockSeededDraw(n);
    return std::clamp(value, 0, n - 1);
}

RandomSource setRandomSource(RandomSource source) {
    RandomSource previous = std::move(currentSource());
    currentSource() = std::move(source);
    return previous;
}

int drawAvoiding(const std::function<int()>& draw, std::initializer_list<int> earlier,
                 int maxDraws) {
    int value = draw();
    for (int drawn = 1; drawn < maxDraws; ++drawn) {
        if (std::find(earlier.begin(), earlier.end(), value) == earlier.end())
            break;
        value = draw();
    }
    return value;
}
