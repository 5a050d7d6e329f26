// What the month grid draws for each day under the chosen reckoning: the holiday name
// and the old-calendar label with its rokuyou, as the grid gathers them
// (month_drawing_data.h), for callers without a grid such as the command line.
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

// The month's days from MonthSourcesFor(choices). With exact lunar reckoning the new
// moons and principal terms are computed once (and kept, see astronomical_events.h).
CalendarMonth BuildCalendarMonth(int year, int month, const CalendarChoices& choices);

// One day: the day's entry of BuildCalendarMonth.
CalendarDay BuildCalendarDay(int year, int month, int day, const CalendarChoices& choices);

}  // namespace nuvaro::calendar
