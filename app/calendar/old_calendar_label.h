// The old-calendar label of a civil day, such as 旧暦2003年正月朔日 (CP932).
#pragma once

#include <string>

#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {

// The label of a lunar date: "旧暦%4d年" with the month text (閏 for a leap month, then
// 正月 or the month in two places and 月) and the day text (朔日 or the day in two
// places and 日).
std::string FormatOldCalendarLabel(const LunarDate& lunar);

// The label of a civil date at 0:00.
std::string OldCalendarLabel(int year, int month, int day);

// Both labels a day cell shows, and the lunar date they name.
struct DayLabels {
  std::string oldCalendar;
  std::string rokuyou;
  LunarDate lunar;
};
// The labels of a lunar date, whichever calendar found it.
DayLabels DayLabelsOf(const LunarDate& lunar);
// From one conversion instead of two: the same texts as OldCalendarLabel and
// RokuyouLabel, in half the time.
DayLabels LunarDayLabels(int year, int month, int day);

}  // namespace nuvaro::calendar
