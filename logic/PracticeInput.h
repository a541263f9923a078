// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace Practice {

// Why the value typed on the practice input cannot be coded, in the order the checks are
// made: nothing typed, a plain "0", anything that is no 32-bit whole number. Nothing when it
// can be coded; "00" and "-0" can, as zero.
std::optional<std::string_view> inputRefusal(std::string_view text);

} // namespace Practice
