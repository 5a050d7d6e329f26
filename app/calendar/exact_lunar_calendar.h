// The old lunisolar calendar from the sun and the moon of the ephemeris: civil days of
// Japan Standard Time; a month starts on the day of a new moon; the month holding the
// winter solstice is the 11th; when the next such month is 13 months on, the first
// month between them without a principal term is the leap month, otherwise the months
// count on.
#pragma once

#include <vector>

#include "calendar/lunar_calendar.h"
#include "calendar/old_calendar_label.h"

namespace nuvaro::calendar {

// The lunisolar date of a civil day. The year follows the same rule as CivilToLunar:
// the civil year, or the one before while a late lunar month has run into January.
LunarDate ExactCivilToLunar(int year, int month, int day);

// The old-calendar and rokuyou labels of every day of a civil month (entry d - 1 for
// day d). The new moons and terms behind them are computed once and then reused.
std::vector<DayLabels> ExactMonthDayLabels(int year, int month);

}  // namespace nuvaro::calendar
