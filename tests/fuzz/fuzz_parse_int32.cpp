// SPDX-License-Identifier: MIT
// Fuzzes parseInt32 against a plain reading of the same grammar: an optional '+' or '-',
// then one or more ASCII decimal digits and nothing else, the value within int32.
#include "logic/IntegerText.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::int64_t> Reference(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    for (const char c : text)
        if (!IsDigit(c))
            return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range)
        return std::nullopt;
    if (error != std::errc() || end != text.data() + text.size())
        std::abort(); // the reference itself is broken
    constexpr std::uint64_t kTwoToThe31 = std::uint64_t{1} << 31;
    if (magnitude > (negative ? kTwoToThe31 : kTwoToThe31 - 1))
        return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

[[noreturn]] void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "parseInt32 %s for %zu bytes:", what, text.size());
    for (const char c : text)
        std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> parsed = parseInt32(text);
    const std::optional<std::int64_t> expected = Reference(text);
    if (parsed.has_value() != expected.has_value())
        Fail(parsed ? "accepts a text outside the grammar" : "refuses a valid text", text);
    if (parsed && *parsed != *expected)
        Fail("reads a wrong value", text);
    return 0;
}
