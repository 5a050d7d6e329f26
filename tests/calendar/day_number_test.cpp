// Day numbers counted from local midnight and their inversion.
#include <gtest/gtest.h>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"

namespace {

using namespace nuvaro::calendar;

TEST(CivilToDayNumberTest, KnownInstants) {
  struct Case {
    int year, month, day, hour, minute, second;
    double dayNumber;
  } cases[] = {
      {2000, 1, 1, 0, 0, 0, 2451544},  {2000, 1, 1, 12, 0, 0, 2451544.5}, {2000, 1, 1, 18, 0, 0, 2451544.75},
      {1858, 11, 17, 0, 0, 0, 2400000}, {2000, 3, 1, 0, 0, 0, 2451604},  {2100, 3, 1, 0, 0, 0, 2488128},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(CivilToDayNumber(c.year, c.month, c.day, c.hour, c.minute, c.second), c.dayNumber)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

// Every day from 1900 to 2200 converts to the next whole number and back to itself.
TEST(DayNumberTest, RoundTripOfEveryDayFrom1900To2200) {
  double previous = CivilToDayNumber(1899, 12, 31, 0, 0, 0);
  int failures = 0;
  for (int year = 1900; year <= 2200; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        double x = CivilToDayNumber(year, month, day, 0, 0, 0);
        CivilDateTime back = DayNumberToCivil(x);
        bool ok = x == previous + 1 && back.year == year && back.month == month && back.day == day &&
                  back.hour == 0 && back.minute == 0 && back.second == 0;
        if (!ok && ++failures <= 5) {
          ADD_FAILURE() << year << "-" << month << "-" << day << " -> " << back.year << "-" << back.month << "-"
                        << back.day;
        }
        previous = x;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(DayNumberToCivilTest, TimeOfDay) {
  struct Case {
    double x;
    int hour, minute, second;
  } cases[] = {
      {2451544.5, 12, 0, 0}, {2451544.75, 18, 0, 0}, {2451544.25, 6, 0, 0}, {2451544.375, 9, 0, 0},
      {2451544.0625, 1, 30, 0},
  };
  for (const Case& c : cases) {
    CivilDateTime civil = DayNumberToCivil(c.x);
    EXPECT_EQ(civil.year, 2000);
    EXPECT_EQ(civil.day, 1);
    EXPECT_EQ(civil.hour, c.hour) << c.x;
    EXPECT_EQ(civil.minute, c.minute) << c.x;
    EXPECT_EQ(civil.second, c.second) << c.x;
  }
}

}  // namespace
