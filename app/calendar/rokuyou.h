// Rokuyou (六曜), the six-day cycle of lucky and unlucky days read from the lunar date.
#pragma once

#include <string>
#include <string_view>

namespace nuvaro::calendar {

inline constexpr int kRokuyouCount = 6;

// The rokuyou name (CP932) of a lunar month and day; a leap month counts with its own
// number.
std::string_view RokuyouOf(int lunarMonth, int lunarDay);

// The rokuyou name of a civil date at 0:00.
std::string RokuyouLabel(int year, int month, int day);

}  // namespace nuvaro::calendar
