#include "calendar/calendar_month.h"

#include "calendar/month_drawing_data.h"

namespace nuvaro::calendar {

CalendarMonth BuildCalendarMonth(int year, int month, const CalendarChoices& choices) {
  // The grid's own gathering, without a person: the same sources, the same labels.
  MonthDrawingData data = GatherMonth(year, month, "", "", nullptr, MonthSourcesFor(choices));
  CalendarMonth result;
  result.year = year;
  result.month = month;
  result.days.resize(static_cast<std::size_t>(data.days));
  for (int day = 1; day <= data.days; ++day) {
    CalendarDay& cell = result.days[static_cast<std::size_t>(day - 1)];
    if (const HolidayDay* holiday = FindHolidayDay(data.holidays, month, day)) cell.holiday = holiday->name;
    DayLabels& labels = data.labels[static_cast<std::size_t>(day - 1)];
    cell.oldCalendar = std::move(labels.oldCalendar);
    cell.rokuyou = std::move(labels.rokuyou);
    cell.lunar = labels.lunar;
  }
  return result;
}

CalendarDay BuildCalendarDay(int year, int month, int day, const CalendarChoices& choices) {
  return BuildCalendarMonth(year, month, choices).days[static_cast<std::size_t>(day - 1)];
}

}  // namespace nuvaro::calendar
