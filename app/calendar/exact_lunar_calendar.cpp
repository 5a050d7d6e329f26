#include "calendar/exact_lunar_calendar.h"

#include <cmath>

#include "calendar/astronomical_events.h"
#include "calendar/civil_date.h"
#include "calendar/day_number.h"

namespace nuvaro::calendar {
namespace {

constexpr int kEleventhMonth = 11;
constexpr int kMonthsInYear = 12;

// The first day of a lunation's month and of the principal term's day.
int StartDay(int lunation) { return static_cast<int>(std::floor(NewMoonInstant(lunation))); }
int TermDay(int term) { return static_cast<int>(std::floor(PrincipalTermInstant(term))); }

// The lunation of the 11th month of the civil year: the month holding its winter solstice.
int EleventhMonthLunation(int year) { return LunationOnOrBefore(TermDay(WinterSolsticeTerm(year))); }

// Month number counted on from the 11th month (offset 0 is the 11th, 2 is the 1st).
int CountedMonth(int offset) { return (kEleventhMonth - 1 + offset) % kMonthsInYear + 1; }

}  // namespace

LunarDate ExactCivilToLunar(int year, int month, int day) {
  int dayNumber = static_cast<int>(CivilToDayNumber(year, month, day, 0, 0, 0));

  int anchorYear = year;
  int anchor = EleventhMonthLunation(year);
  if (dayNumber < StartDay(anchor)) {
    anchorYear = year - 1;
    anchor = EleventhMonthLunation(anchorYear);
  }
  int nextAnchor = EleventhMonthLunation(anchorYear + 1);

  int lunation = LunationOnOrBefore(dayNumber);
  int offset = lunation - anchor;

  LunarDate result;
  result.day = dayNumber - StartDay(lunation) + 1;
  result.month = CountedMonth(offset);
  if (nextAnchor - anchor > kMonthsInYear) {
    // Thirteen months: the first month without a principal term is the leap month.
    // Month i holds no term when term i after the solstice already falls in month i + 1.
    int solstice = WinterSolsticeTerm(anchorYear);
    for (int i = 1; i <= offset; ++i) {
      if (TermDay(solstice + i) >= StartDay(anchor + i + 1)) {
        result.leap = i == offset ? 1 : 0;
        result.month = CountedMonth(offset - 1);
        break;
      }
    }
  }
  result.year = year;
  if (result.month > 9 && result.month > month) result.year -= 1;
  return result;
}

std::vector<DayLabels> ExactMonthDayLabels(int year, int month) {
  int days = DaysInMonth(year, month);
  std::vector<DayLabels> labels;
  labels.reserve(static_cast<std::size_t>(days));
  for (int day = 1; day <= days; ++day) labels.push_back(DayLabelsOf(ExactCivilToLunar(year, month, day)));
  return labels;
}

}  // namespace nuvaro::calendar
