#include "calendar/calendar_month.h"

#include "calendar/civil_date.h"
#include "calendar/current_holidays.h"
#include "calendar/day_number.h"
#include "calendar/exact_lunar_calendar.h"
#include "calendar/holiday_table.h"
#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"

namespace nuvaro::calendar {
namespace {

void FillLunarLabels(CalendarDay& cell, int year, int month, int day, bool exact) {
  cell.lunar = exact ? ExactCivilToLunar(year, month, day) : CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0));
  cell.oldCalendar = FormatOldCalendarLabel(cell.lunar);
  cell.rokuyou = std::string(RokuyouOf(cell.lunar.month, cell.lunar.day));
}

// The holiday name of month/day, or empty; the year's list is built by the caller.
std::string OriginalHolidayName(const HolidayTable& table, int month, int day) {
  const HolidayEntry* entry = FindHoliday(table, month, day);
  return entry != nullptr ? std::string(entry->name) : std::string();
}

}  // namespace

CalendarMonth BuildCalendarMonth(int year, int month, const CalendarChoices& choices) {
  CalendarMonth result;
  result.year = year;
  result.month = month;
  int days = DaysInMonth(year, month);
  result.days.resize(days);

  if (choices.currentHolidayLaw) {
    for (const Holiday& h : CurrentLawHolidays(year)) {
      if (h.month == month) result.days[h.day - 1].holiday = h.name;
    }
  } else {
    HolidayTable table = BuildHolidayTable(year);
    for (int day = 1; day <= days; ++day) result.days[day - 1].holiday = OriginalHolidayName(table, month, day);
  }
  for (int day = 1; day <= days; ++day) FillLunarLabels(result.days[day - 1], year, month, day, choices.exactLunar);
  return result;
}

CalendarDay BuildCalendarDay(int year, int month, int day, const CalendarChoices& choices) {
  CalendarDay cell;
  if (choices.currentHolidayLaw) {
    std::vector<Holiday> holidays = CurrentLawHolidays(year);
    if (const Holiday* h = FindCurrentLawHoliday(holidays, month, day)) cell.holiday = h->name;
  } else {
    cell.holiday = OriginalHolidayName(BuildHolidayTable(year), month, day);
  }
  FillLunarLabels(cell, year, month, day, choices.exactLunar);
  return cell;
}

}  // namespace nuvaro::calendar
