#include "calendar/current_holidays.h"

#include <algorithm>
#include <cmath>

#include "calendar/calendar_texts_cp932.h"
#include "calendar/civil_date.h"
#include "calendar/holiday_table.h"

namespace nuvaro::calendar {
namespace {

// Equinox days before 1980: the formula for 1980 on truncates toward zero and puts
// several equinoxes of the 1970s one day early, so those years take the formula made
// for 1900 to 1979.
int EquinoxDayOfMarch(int year) {
  if (year >= 1980) return VernalEquinoxDay(year);
  return static_cast<int>(std::floor(20.8357 + 0.242194 * (year - 1980) - (year - 1983) / 4));
}
int EquinoxDayOfSeptember(int year) {
  if (year >= 1980) return AutumnalEquinoxDay(year);
  return static_cast<int>(std::floor(23.2588 + 0.242194 * (year - 1980) - (year - 1983) / 4));
}

// The national holidays proper (国民の祝日), without substitute days and days between.
std::vector<Holiday> NationalHolidays(int year) {
  std::vector<Holiday> list;
  auto add = [&list](int month, int day, const char* name) { list.push_back({month, day, name}); };

  add(1, 1, texts::kLawNewYearsDay);
  add(1, year < 2000 ? 15 : NthWeekdayOfMonth(year, 1, 2, kMonday), texts::kLawComingOfAgeDay);
  add(2, 11, texts::kLawFoundationDay);
  if (year >= 2020) add(2, 23, texts::kLawEmperorsBirthday);
  add(3, EquinoxDayOfMarch(year), texts::kLawVernalEquinoxDay);
  if (year <= 1988) {
    add(4, 29, texts::kLawEmperorsBirthday);
  } else if (year <= 2006) {
    add(4, 29, texts::kLawGreeneryDay);
  } else {
    add(4, 29, texts::kLawShowaDay);
  }
  add(5, 3, texts::kLawConstitutionDay);
  if (year >= 2007) add(5, 4, texts::kLawGreeneryDay);
  add(5, 5, texts::kLawChildrensDay);

  // The Olympic years moved the summer holidays and the sports day.
  if (year == 2020) {
    add(7, 23, texts::kLawMarineDay);
    add(7, 24, texts::kLawSportsDay);
    add(8, 10, texts::kLawMountainDay);
  } else if (year == 2021) {
    add(7, 22, texts::kLawMarineDay);
    add(7, 23, texts::kLawSportsDay);
    add(8, 8, texts::kLawMountainDay);
  } else {
    if (year >= 1996 && year <= 2002) add(7, 20, texts::kLawMarineDay);
    if (year >= 2003) add(7, NthWeekdayOfMonth(year, 7, 3, kMonday), texts::kLawMarineDay);
    if (year >= 2016) add(8, 11, texts::kLawMountainDay);
    if (year <= 1999) {
      add(10, 10, texts::kLawHealthSportsDay);
    } else {
      add(10, NthWeekdayOfMonth(year, 10, 2, kMonday),
          year <= 2019 ? texts::kLawHealthSportsDay : texts::kLawSportsDay);
    }
  }
  add(9, year <= 2002 ? 15 : NthWeekdayOfMonth(year, 9, 3, kMonday), texts::kLawRespectForAgedDay);
  add(9, EquinoxDayOfSeptember(year), texts::kLawAutumnalEquinoxDay);
  add(11, 3, texts::kLawCultureDay);
  add(11, 23, texts::kLawLabourThanksgivingDay);
  if (year >= 1989 && year <= 2018) add(12, 23, texts::kLawEmperorsBirthday);

  // One-off holidays of the imperial house.
  if (year == 1989) add(2, 24, texts::kShowaFuneral);
  if (year == 1990) add(11, 12, texts::kEnthronementCeremony);
  if (year == 1993) add(6, 9, texts::kCrownPrinceWedding);
  if (year == 2019) {
    add(5, 1, texts::kEnthronementDay);
    add(10, 22, texts::kEnthronementCeremony);
  }
  return list;
}

bool Before(const Holiday& a, const Holiday& b) { return a.month != b.month ? a.month < b.month : a.day < b.day; }

// Day of the year (1-based) and back, to step across month ends.
int DayOfYear(int year, int month, int day) {
  int n = day;
  for (int m = 1; m < month; ++m) n += DaysInMonth(year, m);
  return n;
}
void FromDayOfYear(int year, int n, int& month, int& day) {
  month = 1;
  while (n > DaysInMonth(year, month)) n -= DaysInMonth(year, month++);
  day = n;
}

}  // namespace

std::vector<Holiday> CurrentLawHolidays(int year) {
  std::vector<Holiday> national = NationalHolidays(year);
  std::sort(national.begin(), national.end(), Before);

  int daysInYear = IsLeapYear(year) ? 366 : 365;
  // Which days of the year are national holidays (index = day of the year).
  std::vector<bool> isNational(daysInYear + 2, false);
  for (const Holiday& h : national) isNational[DayOfYear(year, h.month, h.day)] = true;
  std::vector<bool> taken = isNational;

  std::vector<Holiday> result = national;
  auto addDay = [&](int n, const char* name) {
    int month = 0, day = 0;
    FromDayOfYear(year, n, month, day);
    result.push_back({month, day, name});
    taken[n] = true;
  };

  // Substitute holidays: a national holiday on a Sunday, from 1973-04-12 on, makes the
  // Monday a holiday; from 2007 on the first following day that is not a holiday.
  // A December 31 substitute cannot arise (December 30 is no holiday).
  const int substituteStart = year == kSubstituteHolidayFirstYear ? DayOfYear(year, 4, 12) : 1;
  if (year >= kSubstituteHolidayFirstYear) {
    for (const Holiday& h : national) {
      int n = DayOfYear(year, h.month, h.day);
      if (n < substituteStart || DayOfWeek(year, h.month, h.day) != kSunday) continue;
      int next = n + 1;
      if (year >= 2007) {
        while (next <= daysInYear && taken[next]) ++next;
      } else if (taken[next]) {
        continue;
      }
      if (next <= daysInYear) addDay(next, texts::kLawSubstituteHoliday);
    }
  }

  // Citizens' holidays: from 1988 on, a day that is no holiday and lies between two
  // national holidays; until 2006 the law left Sundays out.
  if (year >= 1988) {
    for (int n = 2; n < daysInYear; ++n) {
      if (taken[n] || !isNational[n - 1] || !isNational[n + 1]) continue;
      int month = 0, day = 0;
      FromDayOfYear(year, n, month, day);
      if (year <= 2006 && DayOfWeek(year, month, day) == kSunday) continue;
      addDay(n, texts::kLawCitizensHoliday);
    }
  }

  std::sort(result.begin(), result.end(), Before);
  return result;
}

const Holiday* FindCurrentLawHoliday(const std::vector<Holiday>& holidays, int month, int day) {
  for (const Holiday& h : holidays) {
    if (h.month == month && h.day == day) return &h;
  }
  return nullptr;
}

}  // namespace nuvaro::calendar
