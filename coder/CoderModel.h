// SPDX-License-Identifier: MIT
// Weighing-type A-law coder (8 segments per polarity): the per-tact trace that the coder screens
// show and check. Pure computation, no Qt.
//
// The coder weighs the magnitude M = |Uаим| against a reference U эт built from the weights
// 1024 ... 1 Δ, one decision per tact; a bit is 1 when M >= U эт. Worked example, Uаим = -37:
//
//   tact  bit  U эт compared  decision               kept level  register
//   1     P    0              negative      -> P = 0       0    0 000 0000
//   2     X    128            37 < 128      -> X = 0       0    0 000 0000
//   3     Y    32             37 >= 32      -> Y = 1      32    0 010 0000
//   4     Z    64             37 < 64       -> Z = 0      32    0 010 0000   segment 2: base 32,
//   5     A    32 + 16 = 48   37 < 48       -> A = 0      32    0 010 0000   step Δi = 2
//   6     B    32 + 8 = 40    37 < 40       -> B = 0      32    0 010 0000
//   7     C    32 + 4 = 36    37 >= 36      -> C = 1      36    0 010 0010
//   8     D    36 + 2 = 38    37 < 38       -> D = 0      36    0 010 0010
//
// Tacts 2 to 4 find the segment by trying the boundaries 128, then 512 or 32, then one of
// 1024, 256, 64, 16, each alone; tacts 5 to 8 add the segment's step references 8Δi, 4Δi,
// 2Δi, Δi to the kept level. The screens show U эт signed by the polarity: -128, -32, ...
// The code word is 0 010 0010, and the kept level 36 is the largest level not above M.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Coder {

// Reference weights in Δ, largest first: the order of the schematic cells and of TReferenceSet.
constexpr std::array<int, 11> kReferenceWeights{1024, 512, 256, 128, 64, 32, 16, 8, 4, 2, 1};

// Position of a weight in kReferenceWeights, -1 when it is not a reference weight.
constexpr int weightIndex(int weight) {
    for (std::size_t i = 0; i < kReferenceWeights.size(); ++i) {
        if (kReferenceWeights[i] == weight) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The references switched on in the generator of the current polarity.
struct TReferenceSet {
    std::array<bool, 11> on{}; // index 0 = 1024 Δ ... index 10 = 1 Δ

    constexpr bool contains(int weight) const {
        const int index = weightIndex(weight);
        return index >= 0 && on[static_cast<std::size_t>(index)];
    }
    // Weights that are not reference weights are ignored.
    constexpr void set(int weight, bool value) {
        const int index = weightIndex(weight);
        if (index >= 0) {
            on[static_cast<std::size_t>(index)] = value;
        }
    }
    constexpr double sum() const {
        double total = 0;
        for (std::size_t i = 0; i < on.size(); ++i) {
            if (on[i]) {
                total += kReferenceWeights[i];
            }
        }
        return total;
    }
    bool operator==(const TReferenceSet&) const = default;
};

struct Segment {
    int base;                          // lower boundary; 0 means no base reference is on
    int step;                          // Δi
    std::array<int, 4> stepReferences; // tried in tacts 5..8: 8Δi, 4Δi, 2Δi, Δi
};

// Indexed by the segment number X Y Z.
constexpr std::array<Segment, 8> kSegments{{
    {0, 1, {8, 4, 2, 1}},
    {16, 1, {8, 4, 2, 1}},
    {32, 2, {16, 8, 4, 2}},
    {64, 4, {32, 16, 8, 4}},
    {128, 8, {64, 32, 16, 8}},
    {256, 16, {128, 64, 32, 16}},
    {512, 32, {256, 128, 64, 32}},
    {1024, 64, {512, 256, 128, 64}},
}};

// Code bit decided in tact k is kBitNames[k - 1].
constexpr std::array<char, 8> kBitNames{'P', 'X', 'Y', 'Z', 'A', 'B', 'C', 'D'};

struct TTactRecord {
    int tact;        // 1..8
    char bitName;    // 'P','X','Y','Z','A','B','C','D'
    int trialWeight; // 0 where there is none (tact 1)
    TReferenceSet referencesDuring;
    double uetDuring;
    char comparatorOutput; // '0' when the bit is set, '1' when cleared
    int bit;               // 0 or 1
    TReferenceSet referencesAfter;
    double uetAfter;
    std::uint8_t registerDuring, registerAfter; // P is the most significant bit
};

struct TCodingTrace {
    std::int32_t uaim;
    bool positive;
    int segment;
    int baseReference;
    int step;
    std::uint8_t codeWord; // P X Y Z A B C D, P the most significant bit
    double finalLevel;
    std::array<TTactRecord, 8> tacts; // tacts[0] is tact 1
};

TCodingTrace BuildCodingTrace(std::int32_t uaim);

// U эт as the schematic shows it: "0" for zero whatever the polarity, otherwise the whole number,
// with "-" for negative polarity.
std::string FormatUet(double level, bool positive);

} // namespace Coder
