// What the month grid draws for each day under the chosen reckoning: the holiday name
// and the old-calendar label with its rokuyou. One call per drawing of a month.
#pragma once

#include <string>
#include <vector>

#include "calendar/calendar_choices.h"
#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {

struct CalendarDay {
  std::string holiday;      // CP932; empty when the day is no holiday
  std::string oldCalendar;  // CP932, such as 旧暦2003年正月朔日
  std::string rokuyou;      // CP932
  LunarDate lunar;
};

struct CalendarMonth {
  int year = 0;
  int month = 0;
  std::vector<CalendarDay> days;  // days[d - 1] is day d
};

// The month's days. With exact lunar reckoning the month's new moons and principal
// terms are computed once (and kept for later drawings, see astronomical_events.h).
CalendarMonth BuildCalendarMonth(int year, int month, const CalendarChoices& choices);

// One day alone, the same as the day's entry of BuildCalendarMonth.
CalendarDay BuildCalendarDay(int year, int month, int day, const CalendarChoices& choices);

}  // namespace nuvaro::calendar
