#include "calendar/month_day_labels.h"

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"
#include "calendar/rokuyou.h"

namespace nuvaro::calendar {

std::vector<DayLabels> MonthDayLabels(int year, int month) {
  int days = DaysInMonth(year, month);
  std::vector<DayLabels> labels;
  labels.reserve(static_cast<std::size_t>(days));
  // The months found from the last term. The term search starts from each day, so its
  // result is compared exactly: only a bit-identical term shares the months, which keeps
  // every label what the day-by-day conversion gives.
  bool haveSpan = false;
  SolarTerm spanTerm;
  LunarMonthSpan span;
  for (int day = 1; day <= days; ++day) {
    double x = CivilToDayNumber(year, month, day, 0, 0, 0);
    SolarTerm term = PrecedingSolarTerm(x, 90);
    if (!haveSpan || term.instant != spanTerm.instant || term.longitude != spanTerm.longitude) {
      span = LunarMonthsFrom(term);
      spanTerm = term;
      haveSpan = true;
    }
    LunarDate lunar = LunarDateIn(span, x);
    labels.push_back({FormatOldCalendarLabel(lunar), std::string(RokuyouOf(lunar.month, lunar.day))});
  }
  return labels;
}

}  // namespace nuvaro::calendar
