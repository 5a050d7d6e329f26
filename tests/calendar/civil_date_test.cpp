// Weekdays, month lengths and n-th weekdays, checked against the standard library's
// proleptic Gregorian calendar.
#include <gtest/gtest.h>

#include <chrono>

#include "calendar/civil_date.h"

namespace {

using namespace nuvaro::calendar;
namespace chr = std::chrono;

int StandardWeekday(int year, int month, int day) {
  chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                           chr::day{static_cast<unsigned>(day)}};
  return static_cast<int>(chr::weekday{chr::sys_days{date}}.c_encoding());
}

TEST(DayOfWeekTest, AgreesWithTheStandardCalendarFrom1800To2200) {
  int mismatches = 0;
  for (int year = 1800; year <= 2200; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        if (DayOfWeek(year, month, day) != StandardWeekday(year, month, day) && ++mismatches <= 5) {
          ADD_FAILURE() << year << "-" << month << "-" << day;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(DaysInMonthTest, LeapYearsAndMonthsOutsideTheYear) {
  struct Case {
    int year, month, days;
  } cases[] = {
      {2000, 2, 29}, {2100, 2, 28}, {1900, 2, 28}, {2004, 2, 29}, {2003, 2, 28}, {2003, 4, 30},
      {2003, 12, 31}, {2003, 0, 31}, {2003, 13, 31}, {2000, -1, 31},
  };
  for (const Case& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(NthWeekdayOfMonthTest, KnownDaysAndDaysPastTheMonth) {
  struct Case {
    int year, month, n, weekday, day;
  } cases[] = {
      {2001, 1, 2, kMonday, 8},  {2003, 1, 2, kMonday, 13}, {2006, 1, 2, kMonday, 9},
      {2002, 10, 2, kMonday, 14}, {2006, 10, 2, kMonday, 9},
      {2003, 8, 5, 0, 31},        // fifth Sunday, the last day
      {2009, 2, 5, kMonday, 0},   // February 2009 has four Mondays
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NthWeekdayOfMonth(c.year, c.month, c.n, c.weekday), c.day)
        << c.year << "-" << c.month << " n=" << c.n << " w=" << c.weekday;
  }
}

TEST(NthWeekdayOfMonthTest, AgreesWithTheStandardCalendarFrom1990To2110) {
  int mismatches = 0;
  for (int year = 1990; year <= 2110; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int weekday = 0; weekday < 7; ++weekday) {
        chr::year_month_weekday_last last{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                          chr::weekday_last{chr::weekday{static_cast<unsigned>(weekday)}}};
        int lastDay = static_cast<int>(unsigned{chr::year_month_day{chr::sys_days{last}}.day()});
        for (int n = 1; n <= 5; ++n) {
          int firstOccurrence = lastDay - 7 * ((lastDay - 1) / 7);
          int expected = firstOccurrence + 7 * (n - 1);
          if (expected > lastDay) expected = 0;
          if (NthWeekdayOfMonth(year, month, n, weekday) != expected && ++mismatches <= 5) {
            ADD_FAILURE() << year << "-" << month << " n=" << n << " w=" << weekday;
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
