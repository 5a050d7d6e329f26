#include "calendar/month_drawing_data.h"

#include "calendar/almanac.h"
#include "calendar/civil_date.h"
#include "calendar/exact_lunar_calendar.h"
#include "calendar/holiday_table.h"
#include "calendar/month_day_labels.h"

namespace nuvaro::calendar {

MonthSources MonthSourcesFor(const CalendarChoices& choices) {
  MonthSources sources;
  sources.holidays = choices.currentHolidayLaw ? CurrentLawHolidays : PublicHolidays;
  sources.dayLabels = choices.exactLunar ? ExactMonthDayLabels : MonthDayLabels;
  return sources;
}

MonthSources DefaultMonthSources() { return MonthSourcesFor(CalendarChoices{false, false}); }

std::vector<HolidayDay> PublicHolidays(int year) {
  HolidayTable table = BuildHolidayTable(year);
  std::vector<HolidayDay> holidays;
  for (const HolidayEntry& entry : table.slots) {
    if (entry.day != 0) holidays.push_back({entry.month, entry.day, entry.name});
  }
  return holidays;
}

const HolidayDay* FindHolidayDay(const std::vector<HolidayDay>& holidays, int month, int day) {
  return FindCurrentLawHoliday(holidays, month, day);  // the same lookup serves either list
}

std::string FullNameOf(std::string_view surname, std::string_view givenName) {
  std::string full(surname);
  full += ' ';
  full += givenName;
  return full;
}

MonthDrawingData GatherMonth(int year, int month, std::string_view surname, std::string_view givenName,
                             const DayReadingEngine* engine, const MonthSources& sources) {
  MonthDrawingData data;
  data.year = year;
  data.month = month;
  data.days = DaysInMonth(year, month);
  data.holidays = sources.holidays(year);
  data.labels = sources.dayLabels(year, month);
  data.labels.resize(static_cast<std::size_t>(data.days));
  data.readings.resize(static_cast<std::size_t>(data.days));
  data.almanac.resize(static_cast<std::size_t>(data.days));
  if (year >= kAlmanacFirstYear && year <= kAlmanacLastYear) {
    for (int day = 1; day <= data.days; ++day) {
      data.almanac[static_cast<std::size_t>(day - 1)] = AlmanacLabel(AlmanacOf(year, month, day));
    }
  }
  std::string fullName = FullNameOf(surname, givenName);
  if (engine == nullptr || fullName == " ") return data;
  for (int day = 1; day <= data.days; ++day) {
    data.readings[static_cast<std::size_t>(day - 1)] = RequestDayReading(*engine, fullName, year, month, day, day == 1);
    ++data.engineRequests;
  }
  data.nameUncountable = data.engineRequests > 0 && !data.readings.front().nameCounted;
  return data;
}

int DayFaceBitmap(int faceKind) {
  switch (faceKind) {
    case 1:
      return 204;
    case 2:
      return 201;
    case 4:
      return 200;
    case 5:
      return 203;
    default:
      return 202;
  }
}

bool ShowsHolidayNameIn(const CalendarChoices& choices, int column) {
  // The fifteen-slot table moves every Sunday holiday to the Monday, so a Sunday cell
  // never names one there; today's law keeps the holiday on its Sunday and adds the
  // substitute day after it, and both are named.
  return choices.currentHolidayLaw || column != kSunday;
}

DayCellContent DecideDayCell(const MonthDrawingData& data, const CalendarSettings& settings, int day, int column) {
  DayCellContent cell;
  cell.day = day;
  cell.dayNumber = std::to_string(day);
  const HolidayDay* holiday = FindHolidayDay(data.holidays, data.month, day);
  cell.holidayColour = holiday != nullptr || column == kSunday;
  if (holiday != nullptr && settings.kyujitu != 0 && ShowsHolidayNameIn(settings.choices, column))
    cell.holidayName = holiday->name;
  auto index = static_cast<std::size_t>(day - 1);
  if (settings.kyureki != 0) cell.oldCalendar = data.labels[index].oldCalendar;
  if (settings.rokuyou != 0) cell.rokuyou = data.labels[index].rokuyou;
  if (settings.kantei != 0) cell.reading = data.readings[index].readingText;
  if (settings.choices.showAlmanac && index < data.almanac.size()) cell.almanac = data.almanac[index];
  if (settings.kao != 0 && !data.nameUncountable) cell.facePicture = DayFaceBitmap(data.readings[index].faceKind);
  return cell;
}

}  // namespace nuvaro::calendar
