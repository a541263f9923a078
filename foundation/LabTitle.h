// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

// The lab's title, in two lines: what the title screen shows and the students' report is
// headed with.
namespace LabTitle {

inline constexpr QStringView kOccupation = u"Лабораторно-практическое занятие";
inline constexpr QStringView kTopic = u"\"Изучение работы нелинейного кодера\"";

} // namespace LabTitle
