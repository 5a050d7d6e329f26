// The holiday table of a year: equinox formulas, second Mondays, the Sunday rule and the
// May rule, with the names as CP932 bytes.
#include <gtest/gtest.h>

#include <string>

#include "calendar/civil_date.h"
#include "calendar/holiday_table.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;

// "m/d name, m/d name, ..." over the 15 slots, names in CP932.
std::string Describe(const HolidayTable& table) {
  std::string text;
  for (const HolidayEntry& slot : table.slots) {
    if (!text.empty()) text += ", ";
    text += std::to_string(slot.month) + "/" + std::to_string(slot.day) + " " + slot.name;
  }
  return text;
}

TEST(EquinoxDayTest, FormulasOfTheYear) {
  struct Case {
    int year, vernal, autumnal;
  } cases[] = {
      {2003, 21, 23}, {2000, 20, 23}, {2099, 20, 23}, {1990, 21, 23},
      {2012, 20, 22},  // 22.999 truncated: the autumnal formula just misses the 23rd
      {2110, 20, 22},  // the formulas go on past 2099 unchanged
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VernalEquinoxDay(c.year), c.vernal) << c.year;
    EXPECT_EQ(AutumnalEquinoxDay(c.year), c.autumnal) << c.year;
  }
}

TEST(BuildHolidayTableTest, WholeTablesOfTellingYears) {
  struct Case {
    int year;
    const char* slots;
  } cases[] = {
      // Before 2000: fixed 成人の日 and 体育の日; the equinox (21st) and October 10 are
      // Sundays and move to Monday under the substitute name.
      {1999, "1/1 元　日, 1/15 成人の日, 2/11 建国記念の日, 3/22 振替の休日, 4/29 みどりの日, 5/3 憲法記念日, "
             "5/4 振替の休日, 5/5 こどもの日, 7/20 海の日, 9/15 敬老の日, 9/23 秋分の日, 10/11 振替の休日, "
             "11/3 文化の日, 11/23 勤労感謝の日, 12/23 天皇誕生日"},
      // May 3 is a Saturday: May 4 (a Sunday) still gets the placeholder holiday.
      {2003, "1/1 元　日, 1/13 成人の日, 2/11 建国記念の日, 3/21 春分の日, 4/29 みどりの日, 5/3 憲法記念日, "
             "5/4 振替の休日, 5/5 こどもの日, 7/21 振替の休日, 9/15 敬老の日, 9/23 秋分の日, 10/13 体育の日, "
             "11/3 文化の日, 11/24 振替の休日, 12/23 天皇誕生日"},
      {2004, "1/1 元　日, 1/12 成人の日, 2/11 建国記念の日, 3/20 春分の日, 4/29 みどりの日, 5/3 憲法記念日, "
             "5/4 振替の休日, 5/5 こどもの日, 7/20 海の日, 9/15 敬老の日, 9/23 秋分の日, 10/11 体育の日, "
             "11/3 文化の日, 11/23 勤労感謝の日, 12/23 天皇誕生日"},
      // January 1 is a Sunday.
      {2006, "1/2 振替の休日, 1/9 成人の日, 2/11 建国記念の日, 3/21 春分の日, 4/29 みどりの日, 5/3 憲法記念日, "
             "5/4 振替の休日, 5/5 こどもの日, 7/20 海の日, 9/15 敬老の日, 9/23 秋分の日, 10/9 体育の日, "
             "11/3 文化の日, 11/23 勤労感謝の日, 12/23 天皇誕生日"},
      // May 3 is a Sunday: it moves to May 4 and the placeholder keeps day 0.
      {2009, "1/1 元　日, 1/12 成人の日, 2/11 建国記念の日, 3/20 春分の日, 4/29 みどりの日, 5/4 振替の休日, "
             "5/0 振替の休日, 5/5 こどもの日, 7/20 海の日, 9/15 敬老の日, 9/23 秋分の日, 10/12 体育の日, "
             "11/3 文化の日, 11/23 勤労感謝の日, 12/23 天皇誕生日"},
  };
  for (const Case& c : cases) {
    HolidayTable table = BuildHolidayTable(c.year);
    EXPECT_EQ(table.count, 15);
    EXPECT_EQ(Utf8(Describe(table)), c.slots) << c.year;
    EXPECT_EQ(Describe(table), Sjis(c.slots)) << c.year << ": names are not the exact CP932 bytes";
  }
}

TEST(BuildHolidayTableTest, ATableStaysValidAfterOtherYearsAreBuilt) {
  HolidayTable year2009 = BuildHolidayTable(2009);
  std::string before = Describe(year2009);
  BuildHolidayTable(2006);
  BuildHolidayTable(1999);
  EXPECT_EQ(Describe(year2009), before);
}

TEST(BuildHolidayTableTest, RulesHoldFrom1990To2110) {
  for (int year = 1990; year <= 2110; ++year) {
    HolidayTable table = BuildHolidayTable(year);
    bool may3IsSunday = DayOfWeek(year, 5, 3) == kSunday;
    EXPECT_EQ(table.slots[kMayPlaceholderSlot].day, may3IsSunday ? 0 : 4) << year;
    for (int i = 0; i < kHolidaySlotCount; ++i) {
      const HolidayEntry& slot = table.slots[i];
      if (slot.day == 0) continue;
      EXPECT_GE(slot.day, 1);
      EXPECT_LE(slot.day, DaysInMonth(year, slot.month)) << year << " slot " << i;
      // Only the placeholder may fall on a Sunday; every other holiday has moved off it.
      if (i != kMayPlaceholderSlot) {
        EXPECT_NE(DayOfWeek(year, slot.month, slot.day), kSunday) << year << " slot " << i;
      }
      // Two slots never share a date, so a date names one holiday.
      EXPECT_EQ(FindHoliday(table, slot.month, slot.day), &slot) << year << " slot " << i;
    }
  }
}

TEST(FindHolidayTest, DatesWithAndWithoutAHoliday) {
  HolidayTable table = BuildHolidayTable(2006);
  ASSERT_NE(FindHoliday(table, 1, 2), nullptr);
  EXPECT_EQ(Utf8(FindHoliday(table, 1, 2)->name), "振替の休日");
  EXPECT_EQ(FindHoliday(table, 1, 1), nullptr);  // the Sunday no longer carries a slot
  EXPECT_EQ(FindHoliday(table, 5, 0), nullptr);
  HolidayTable year2009 = BuildHolidayTable(2009);
  EXPECT_EQ(FindHoliday(year2009, 5, 0), nullptr);  // the dateless placeholder is no holiday
  EXPECT_EQ(Utf8(FindHoliday(year2009, 5, 4)->name), "振替の休日");
}

}  // namespace
