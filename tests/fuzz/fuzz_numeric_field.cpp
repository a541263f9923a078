// SPDX-License-Identifier: MIT
// Fuzzes NumericField::parse against a plain reading of the field's number grammar: blanks
// and no-break spaces anywhere are digit-group separators and ignored, '.' counts as the
// decimal comma, then an optional '-', the whole digits (at most 12) and, where decimals are
// allowed, optionally a comma with at most `decimals` fraction digits. A text without any
// digit (empty, a lone '-' or ',') is no number.
//
// Input layout: byte 0 picks the number of decimals (-1 .. 14) and whether the rest is
// UTF-8 or raw UTF-16 code units (lone surrogates included).
#include "widgets/NumericField.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int kMaxWholeDigits = 12;

std::optional<double> Reference(const QString& text, int decimals) {
    std::u16string plain;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u' ' || unit == u'\u00A0')
            continue;
        plain.push_back(unit == u'.' ? u',' : unit);
    }
    if (plain.empty())
        return std::nullopt;
    bool negative = false;
    bool comma = false;
    std::string whole;
    std::string fraction;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char16_t unit = plain[i];
        if (i == 0 && unit == u'-')
            negative = true;
        else if (unit >= u'0' && unit <= u'9')
            (comma ? fraction : whole).push_back(static_cast<char>(unit));
        else if (unit == u',' && !comma)
            comma = true;
        else
            return std::nullopt;
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (whole.size() > std::size_t{kMaxWholeDigits} ||
        fraction.size() > static_cast<std::size_t>(std::max(decimals, 0)) ||
        (comma && decimals <= 0))
        return std::nullopt;
    const std::string number = (negative ? "-" : "") + (whole.empty() ? "0" : whole) + "." +
                               (fraction.empty() ? "0" : fraction);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        std::abort(); // the reference itself is broken
    return value;
}

[[noreturn]] void Fail(const char* what, const QString& text, int decimals,
                       std::optional<double> parsed, std::optional<double> expected) {
    std::fprintf(stderr, "NumericField::parse %s (decimals %d):", what, decimals);
    for (const QChar c : text)
        std::fprintf(stderr, " U+%04X", static_cast<unsigned>(c.unicode()));
    std::fprintf(stderr, "\n  parsed %s %.17g, expected %s %.17g\n", parsed ? "" : "none",
                 parsed.value_or(0.0), expected ? "" : "none", expected.value_or(0.0));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int decimals = (data[0] & 0x0F) - 1;
    const bool utf16 = (data[0] & 0x10) != 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const qsizetype restSize = static_cast<qsizetype>(size - 1);
    QString text;
    if (utf16) {
        text.resize(restSize / 2);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(rest[2 * i]) |
                                                  static_cast<std::uint8_t>(rest[2 * i + 1]) << 8));
    } else {
        text = QString::fromUtf8(rest, restSize);
    }

    const std::optional<double> parsed = NumericField::parse(text, decimals);
    const std::optional<double> expected = Reference(text, decimals);
    if (parsed && !std::isfinite(*parsed))
        Fail("gives a value that is not finite", text, decimals, parsed, expected);
    if (parsed.has_value() != expected.has_value())
        Fail(parsed ? "accepts a text outside the grammar" : "refuses a valid text", text, decimals,
             parsed, expected);
    if (parsed && *parsed != *expected)
        Fail("reads a wrong value", text, decimals, parsed, expected);
    return 0;
}
