#include "calendar/month_day_labels.h"

#include <cmath>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {

namespace {
// One minute, in days.
constexpr double kSameTermWithin = 1.0 / 1440;
}  // namespace

std::vector<DayLabels> MonthDayLabels(int year, int month) {
  int days = DaysInMonth(year, month);
  std::vector<DayLabels> labels;
  labels.reserve(static_cast<std::size_t>(days));
  // The months found from the last term. The term search starts from each day, so the
  // same solstice or equinox comes back a fraction of a second apart from day to day;
  // the months depend on it only through whole days, so a term of the same longitude
  // found within a minute shares them. (The test compares every day of 1999-12 to
  // 2100-01 with the day-by-day conversion.)
  bool haveSpan = false;
  SolarTerm spanTerm;
  LunarMonthSpan span;
  for (int day = 1; day <= days; ++day) {
    double x = CivilToDayNumber(year, month, day, 0, 0, 0);
    SolarTerm term = PrecedingSolarTerm(x, 90);
    if (!haveSpan || term.longitude != spanTerm.longitude || std::fabs(term.instant - spanTerm.instant) > kSameTermWithin) {
      span = LunarMonthsFrom(term);
      spanTerm = term;
      haveSpan = true;
    }
    labels.push_back(DayLabelsOf(LunarDateIn(span, x)));
  }
  return labels;
}

}  // namespace nuvaro::calendar
