// The old Japanese lunisolar calendar (旧暦) by astronomy: solar terms and new moons are
// searched on the series of celestial_longitude.h, lunar months are numbered from the
// principal terms they contain, and a month without one becomes a leap month.
#pragma once

namespace nuvaro::calendar {

// Japan Standard Time is universal time + 0.375 day.
inline constexpr double kLocalTimeOffset = 0.375;

struct SolarTerm {
  double instant = 0;    // local day number
  double longitude = 0;  // solar longitude at that instant, a multiple of the step
};

struct LunarDate {
  int year = 0;   // civil year, or the one before while a late lunar month runs on
  int leap = 0;   // 1 for a leap month (閏月)
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 30
};

// The last instant before x at which the solar longitude was a multiple of step
// (90 for solstices and equinoxes, 30 for the principal terms).
SolarTerm PrecedingSolarTerm(double x, int step);

// The new moon that the search converges to from x (as a rule the one before x).
double NewMoonNear(double x);

// The conversion in two stages. Everything but the final look-up depends on the day only
// through the solstice or equinox before it, so days that share that term can share
// the months found from it.
inline constexpr int kNewMoonCount = 5;
struct LunarMonth {
  int number = 0;      // 1 to 12
  int leap = 0;        // 1 for a leap month
  double firstDay = 0; // local day number of its first day (a whole number)
};
struct LunarMonthSpan {
  LunarMonth months[kNewMoonCount];
};
// The five lunar months from the one holding the term (from PrecedingSolarTerm(x, 90)).
LunarMonthSpan LunarMonthsFrom(const SolarTerm& quarterTerm);
// The lunisolar date of the local day number x within the months.
LunarDate LunarDateIn(const LunarMonthSpan& span, double x);

// The lunisolar date of the local day number x.
LunarDate CivilToLunar(double x);

}  // namespace nuvaro::calendar
