#include "calendar/old_calendar_label.h"

#include <cstdio>

#include "calendar/calendar_texts_cp932.h"
#include "calendar/day_number.h"
#include "calendar/rokuyou.h"

namespace nuvaro::calendar {

std::string FormatOldCalendarLabel(const LunarDate& lunar) {
  const char* leapMark = lunar.leap != 0 ? texts::kLeapMark : "";
  // Each piece fits easily: the largest int has 11 characters.
  char monthText[48];
  if (lunar.month == 1) {
    std::snprintf(monthText, sizeof monthText, "%s%s", leapMark, texts::kFirstMonth);
  } else {
    std::snprintf(monthText, sizeof monthText, texts::kMonthFormat, leapMark, lunar.month);
  }
  char dayText[32];
  if (lunar.day == 1) {
    std::snprintf(dayText, sizeof dayText, "%s", texts::kFirstDay);
  } else {
    std::snprintf(dayText, sizeof dayText, texts::kDayFormat, lunar.day);
  }
  char label[128];
  std::snprintf(label, sizeof label, texts::kOldCalendarFormat, lunar.year, monthText, dayText);
  return label;
}

std::string OldCalendarLabel(int year, int month, int day) {
  return FormatOldCalendarLabel(CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0)));
}

DayLabels DayLabelsOf(const LunarDate& lunar) {
  return {FormatOldCalendarLabel(lunar), std::string(RokuyouOf(lunar.month, lunar.day)), lunar};
}

DayLabels LunarDayLabels(int year, int month, int day) {
  return DayLabelsOf(CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0)));
}

}  // namespace nuvaro::calendar
