#include "calendar/civil_date.h"

namespace nuvaro::calendar {
namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DayOfWeek(int year, int month, int day) {
  // January and February count as months 13 and 14 of the year before.
  int y = year;
  int m = month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  int sum = y + (13 * m + 8) / 5 + y / 400 + y / 4 + day - y / 100;
  int weekday = sum % 7;
  return weekday < 0 ? weekday + 7 : weekday;
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) month = 1;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kMonthLengths[month - 1];
}

int NthWeekdayOfMonth(int year, int month, int n, int weekday) {
  int first = DayOfWeek(year, month, 1);
  int day = weekday >= first ? 7 * (n - 1) + (weekday - first) + 1 : 7 * n + (weekday - first) + 1;
  return day > DaysInMonth(year, month) ? 0 : day;
}

}  // namespace nuvaro::calendar
