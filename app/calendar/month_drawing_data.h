// Everything one drawing of the fortune calendar shows for a month, gathered once per
// drawing and dropped with it: the year's holidays, the old-calendar and rokuyou labels
// of every day, and the engine's reading of every day for the person. The decisions of
// what each day cell shows under the display settings are plain functions of it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_choices.h"
#include "calendar/calendar_settings.h"
#include "calendar/current_holidays.h"
#include "calendar/day_reading.h"
#include "calendar/old_calendar_label.h"

namespace nuvaro::calendar {

// One holiday of a year: its date and its name (CP932), whichever rules made it.
using HolidayDay = Holiday;

// Where a drawing takes its holidays and day labels from.
struct MonthSources {
  std::function<std::vector<HolidayDay>(int year)> holidays;
  std::function<std::vector<DayLabels>(int year, int month)> dayLabels;
};
// The sources of a choice of reckoning: holidays by the current law (current_holidays.h)
// or from holiday_table.h; labels from the ephemeris (exact_lunar_calendar.h) or the
// series computed a month at a time (month_day_labels.h).
MonthSources MonthSourcesFor(const CalendarChoices& choices);
// The public holidays of holiday_table.h and the labels of month_day_labels.h.
MonthSources DefaultMonthSources();
// The dated slots of holiday_table.h for a year, in slot order.
std::vector<HolidayDay> PublicHolidays(int year);
// The first holiday on a date, or nullptr.
const HolidayDay* FindHolidayDay(const std::vector<HolidayDay>& holidays, int month, int day);

struct MonthDrawingData {
  int year = 0;
  int month = 0;
  int days = 0;
  std::vector<HolidayDay> holidays;   // the year's holidays
  std::vector<DayLabels> labels;      // entry d - 1 for day d
  std::vector<DayReading> readings;   // entry d - 1 for day d; empty readings without a person
  std::vector<std::string> almanac;   // entry d - 1 for day d: AlmanacLabel (almanac.h), CP932
  int engineRequests = 0;             // day readings asked of the engine in this drawing
  bool nameUncountable = false;       // readings were asked, but the engine cannot count the name
};

// The full name the grid asks readings for: "%s %s" of the two parts.
std::string FullNameOf(std::string_view surname, std::string_view givenName);

// Gathers a month. Readings are requested, day by day with the first-request flag on
// day 1, only with an engine and a name other than the bare " "; otherwise every
// reading is empty with face kind 0. A name the engine cannot count gets empty readings
// and is marked, so its cells draw no faces.
MonthDrawingData GatherMonth(int year, int month, std::string_view surname, std::string_view givenName,
                             const DayReadingEngine* engine, const MonthSources& sources = DefaultMonthSources());

// Bitmap of a day face: kind 1 -> 204, 2 -> 201, 4 -> 200, 5 -> 203, anything else 202.
int DayFaceBitmap(int faceKind);

// Whether a holiday falling in this weekday column is named: always under today's law,
// never in the Sunday column under the fifteen-slot table.
bool ShowsHolidayNameIn(const CalendarChoices& choices, int column);

// What one day cell shows. Empty texts are not drawn; facePicture 0 draws no face.
struct DayCellContent {
  int day = 0;
  bool holidayColour = false;   // number in "HolidayDate" (a holiday or a Sunday)
  std::string dayNumber;        // "%d"
  std::string holidayName;
  std::string oldCalendar;
  std::string rokuyou;
  std::string reading;
  std::string almanac;          // solar term, seasonal and lucky days ("Rekichu")
  int facePicture = 0;
};
// Faces follow "Kao", except for a name the engine cannot count: it has no day readings,
// and a face would pretend one.
DayCellContent DecideDayCell(const MonthDrawingData& data, const CalendarSettings& settings, int day, int column);

}  // namespace nuvaro::calendar
