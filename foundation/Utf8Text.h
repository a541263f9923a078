// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

// The plain logic speaks UTF-8; the screens show its texts as QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
