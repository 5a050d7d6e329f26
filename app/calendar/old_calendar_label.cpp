#include "calendar/old_calendar_label.h"

#include <cstdio>

#include "calendar/day_number.h"

namespace nuvaro::calendar {

std::string FormatOldCalendarLabel(const LunarDate& lunar) {
  const char* leapMark = lunar.leap != 0 ? "閏" : "";
  // Each piece fits easily: the largest int has 11 characters.
  char monthText[48];
  if (lunar.month == 1) {
    std::snprintf(monthText, sizeof monthText, "%s正月", leapMark);
  } else {
    std::snprintf(monthText, sizeof monthText, "%s%2d月", leapMark, lunar.month);
  }
  char dayText[32];
  if (lunar.day == 1) {
    std::snprintf(dayText, sizeof dayText, "朔日");
  } else {
    std::snprintf(dayText, sizeof dayText, "%2d日", lunar.day);
  }
  char label[128];
  std::snprintf(label, sizeof label, "旧暦%4d年%s%s", lunar.year, monthText, dayText);
  return label;
}

std::string OldCalendarLabel(int year, int month, int day) {
  return FormatOldCalendarLabel(CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0)));
}

}  // namespace nuvaro::calendar
