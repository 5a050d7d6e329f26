// Sexagenary names of years, months and days, and the branch numbers taken from them.
#include <gtest/gtest.h>

#include <string>

#include "calendar/civil_date.h"
#include "calendar/sexagenary.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;

// Position 1 to 60 of a name in the cycle, 0 when it is no entry.
int CyclePositionOf(const std::string& name) {
  for (int k = 1; k <= kSexagenaryCycle; ++k) {
    if (SexagenaryName(k) == name) return k;
  }
  return 0;
}

TEST(SexagenaryNameTest, EntriesOfTheCycle) {
  EXPECT_EQ(SexagenaryName(1), Sjis("甲子"));
  EXPECT_EQ(SexagenaryName(11), Sjis("甲戌"));
  EXPECT_EQ(SexagenaryName(60), Sjis("癸亥"));
  EXPECT_EQ(SexagenaryName(0), "");
  EXPECT_EQ(SexagenaryName(61), "");
}

TEST(SexagenaryNamesTest, KnownDates) {
  struct Case {
    int year, month, day;
    const char *yearName, *monthName, *dayName;
  } cases[] = {
      {2000, 1, 1, "庚辰", "丁丑", "戊午"},
      {2003, 2, 1, "癸未", "甲寅", "乙巳"},
      {1984, 2, 2, "甲子", "丙寅", "丙寅"},  // a 甲子 year
      {2099, 12, 31, "己未", "丙子", "壬寅"},
  };
  for (const Case& c : cases) {
    SexagenaryNameSet names = SexagenaryNames(c.year, c.month, c.day);
    EXPECT_EQ(Utf8(names.year), c.yearName) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(Utf8(names.month), c.monthName) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(Utf8(names.day), c.dayName) << c.year << "-" << c.month << "-" << c.day;
  }
}

// The day names step through the cycle one per day, across months, years and leap days.
// Before 1858-11-26 the day count goes negative; those days still continue the cycle.
TEST(SexagenaryNamesTest, DayNamesAdvanceOnePerDay) {
  int previous = CyclePositionOf(SexagenaryNames(1799, 12, 31).day);
  ASSERT_NE(previous, 0);
  int breaks = 0;
  for (int year = 1800; year <= 2200; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        int position = CyclePositionOf(SexagenaryNames(year, month, day).day);
        if (position != previous % kSexagenaryCycle + 1 && ++breaks <= 5) {
          ADD_FAILURE() << year << "-" << month << "-" << day;
        }
        previous = position;
      }
    }
  }
  EXPECT_EQ(breaks, 0);
}

TEST(SexagenaryNamesTest, MonthAndYearNamesAdvanceOneAtATime) {
  int previousMonth = CyclePositionOf(SexagenaryNames(1989, 12, 1).month);
  int previousYear = CyclePositionOf(SexagenaryNames(1989, 12, 1).year);
  for (int year = 1990; year <= 2110; ++year) {
    int yearPosition = CyclePositionOf(SexagenaryNames(year, 1, 1).year);
    EXPECT_EQ(yearPosition, previousYear % kSexagenaryCycle + 1) << year;
    previousYear = yearPosition;
    for (int month = 1; month <= 12; ++month) {
      int monthPosition = CyclePositionOf(SexagenaryNames(year, month, 1).month);
      EXPECT_EQ(monthPosition, previousMonth % kSexagenaryCycle + 1) << year << "-" << month;
      previousMonth = monthPosition;
    }
  }
}

TEST(BranchIndexTest, LastCharacterOfAFourByteName) {
  struct Case {
    std::string name;
    int branch;
  } cases[] = {
      {Sjis("戊午"), 7}, {Sjis("甲子"), 1}, {Sjis("癸亥"), 12}, {Sjis("乙丑"), 2},
      {"", 0},                 // no name
      {Sjis("午"), 0},         // two bytes
      {Sjis("戊午子"), 0},     // six bytes
      {Sjis("子甲"), 0},       // a stem in the branch's place
      {"ab" + Sjis("酉"), 10},  // only the last two bytes count
  };
  for (const Case& c : cases) EXPECT_EQ(BranchIndex(c.name), c.branch) << Utf8(c.name);
}

}  // namespace
