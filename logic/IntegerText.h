// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The one grammar for whole numbers typed by the students: an optional '+' or '-' and one
// or more decimal digits, nothing else (no blanks), within the signed 32-bit range.
std::optional<std::int32_t> parseInt32(std::string_view text);
