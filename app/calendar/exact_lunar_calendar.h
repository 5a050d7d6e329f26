// The old lunisolar calendar from the sun and the moon of the ephemeris: civil days of
// Japan Standard Time; a month starts on the day of a new moon; the month holding the
// winter solstice is the 11th; when the next such month is 13 months on, the first
// month between them without a principal term is the leap month, otherwise the months
// count on.
#pragma once

#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {

// The lunisolar date of a civil day. The year follows the same rule as CivilToLunar:
// the civil year, or the one before while a late lunar month has run into January.
LunarDate ExactCivilToLunar(int year, int month, int day);

}  // namespace nuvaro::calendar
