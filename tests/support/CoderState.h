// SPDX-License-Identifier: MIT
#pragma once

#include "logic/PracticeSteps.h"

// The coder's own state at practice step s, from the tact's record alone: a tact's start
// shows the register, references and U эт during the comparison, its end those after the
// decision. The other generator's row holds junk: it is never looked at.
inline Practice::Entries coderState(const Coder::TCodingTrace& trace, int step) {
    const Coder::TTactRecord& r = trace.tacts[std::size_t((step - 1) / 2)];
    const bool start = step % 2 == 1;
    Practice::Entries entries;
    const std::uint8_t reg = start ? r.registerDuring : r.registerAfter;
    for (std::size_t k = 0; k < 8; ++k)
        entries.registerCells[k] = (reg >> (7 - k)) & 1 ? "1" : "0";
    const Coder::TReferenceSet& on = start ? r.referencesDuring : r.referencesAfter;
    for (std::size_t i = 0; i < 11; ++i) {
        entries.selector[i] = on.on[i] ? "1" : "0";
        (trace.positive ? entries.gen2 : entries.gen1)[i] = entries.selector[i];
        (trace.positive ? entries.gen1 : entries.gen2)[i] = "7";
    }
    entries.comparator = std::string(1, r.comparatorOutput);
    const double level = start ? r.uetDuring : r.uetAfter;
    entries.uet = trace.positive ? level : -level;
    return entries;
}
