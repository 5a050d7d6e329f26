// Civil (Gregorian) date arithmetic on plain integer dates: weekdays, month lengths and
// the n-th weekday of a month. Weekdays run 0 = Sunday to 6 = Saturday.
#pragma once

namespace nuvaro::calendar {

inline constexpr int kSunday = 0;
inline constexpr int kMonday = 1;
inline constexpr int kSaturday = 6;

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Weekday of a date, 0 (Sunday) to 6 (Saturday).
int DayOfWeek(int year, int month, int day);

// Length of a month, 28 to 31; a month outside 1 to 12 counts as January.
int DaysInMonth(int year, int month);

// Day of the month of the n-th (1-based) given weekday, or 0 when that day lies past
// the end of the month.
int NthWeekdayOfMonth(int year, int month, int n, int weekday);

}  // namespace nuvaro::calendar
