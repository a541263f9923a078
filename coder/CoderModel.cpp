// SPDX-License-Identifier: MIT
#include "CoderModel.h"

#include <cmath>
#include <cstdlib>

namespace Coder {

namespace {

constexpr std::uint8_t tactMask(int tact) {
    return static_cast<std::uint8_t>(0x80u >> (tact - 1));
}

constexpr int segmentOf(std::uint8_t reg) {
    return (reg >> 4) & 7;
}

} // namespace

TCodingTrace BuildCodingTrace(std::int32_t uaim) {
    TCodingTrace trace{};
    trace.uaim = uaim;
    trace.positive = uaim > 0;
    // Widened first: the magnitude of INT32_MIN does not fit in int32; any int64 here is exact as
    // a double.
    const double magnitude = static_cast<double>(std::llabs(static_cast<long long>(uaim)));

    std::uint8_t reg = 0;
    TReferenceSet kept; // what stays on after the previous tact
    for (int tact = 1; tact <= 8; ++tact) {
        TTactRecord& record = trace.tacts[static_cast<std::size_t>(tact - 1)];
        record.tact = tact;
        record.bitName = kBitNames[static_cast<std::size_t>(tact - 1)];
        record.registerDuring = reg | tactMask(tact);
        record.trialWeight = 0;
        record.referencesDuring = kept;

        bool bit = trace.positive; // tact 1 decides the sign without a comparison
        if (tact >= 2) {
            if (tact <= 4) {
                // A segment bit is tried with the lower boundary of the segment that the bit
                // would select, switched on alone.
                record.trialWeight = kSegments[segmentOf(record.registerDuring)].base;
                record.referencesDuring = TReferenceSet{};
            } else {
                record.trialWeight = kSegments[segmentOf(reg)].stepReferences[tact - 5];
            }
            record.referencesDuring.set(record.trialWeight, true);
            bit = magnitude >= record.referencesDuring.sum();
        }
        record.uetDuring = record.referencesDuring.sum();
        record.bit = bit ? 1 : 0;
        record.comparatorOutput = bit ? '0' : '1';

        // A cleared bit falls back to what was on before the trial; after tact 4 that is the
        // base reference of the segment found.
        if (bit) {
            kept = record.referencesDuring;
            reg = record.registerDuring;
        }
        record.referencesAfter = kept;
        record.uetAfter = kept.sum();
        record.registerAfter = reg;
    }

    trace.codeWord = reg;
    trace.segment = segmentOf(reg);
    trace.baseReference = kSegments[trace.segment].base;
    trace.step = kSegments[trace.segment].step;
    trace.finalLevel = kept.sum();
    return trace;
}

std::string FormatUet(double level, bool positive) {
    const long long whole = std::llround(std::fabs(level));
    if (whole == 0) {
        return "0";
    }
    return (positive ? "" : "-") + std::to_string(whole);
}

} // namespace Coder
