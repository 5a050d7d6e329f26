// The drawing's selection point and the two reckoning settings in Calendar.ini.
#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar_choices.h"
#include "calendar/calendar_month.h"
#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"
#include "program_folder.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Utf8;

// Each choice switches its own part of the month only; the series calendar and the
// holiday table stay what the plain per-day functions give.
TEST(CalendarMonthTest, ChoicesSelectHolidaysAndLabels) {
  struct Case {
    bool law, exact;
    int month, day;
    const char* holiday;
    const char* label;  // nullptr: the same as the plain per-day functions
  } cases[] = {
      {false, false, 1, 2, "振替の休日", nullptr}, {true, false, 1, 2, "振替休日", nullptr},
      {true, false, 3, 20, "春分の日", nullptr},   {false, false, 3, 27, "", "旧暦2017年 2月29日"},
      {true, true, 3, 27, "", "旧暦2017年 2月30日"}, {false, true, 3, 28, "", "旧暦2017年 3月朔日"},
  };
  for (const Case& c : cases) {
    CalendarChoices choices{c.law, c.exact};
    CalendarMonth month = BuildCalendarMonth(2017, c.month, choices);
    ASSERT_EQ(month.days.size(), c.month == 1 || c.month == 3 ? 31u : 0u);
    const CalendarDay& cell = month.days[c.day - 1];
    EXPECT_EQ(Utf8(cell.holiday), c.holiday) << c.law << c.exact << c.month << c.day;
    std::string label = c.label != nullptr ? c.label : Utf8(OldCalendarLabel(2017, c.month, c.day));
    EXPECT_EQ(Utf8(cell.oldCalendar), label) << c.law << c.exact << c.month << c.day;
    EXPECT_EQ(cell.rokuyou, RokuyouOf(cell.lunar.month, cell.lunar.day));
    CalendarDay alone = BuildCalendarDay(2017, c.month, c.day, choices);
    EXPECT_EQ(alone.oldCalendar, cell.oldCalendar);
    EXPECT_EQ(alone.holiday, cell.holiday);
  }
}

TEST(CalendarChoicesTest, DefaultsRoundTripAndNonZeroMeansOn) {
  nuvaro::testing::ProgramFolder dir;
  nuvaro::platform::IniFile ini;
  ini.SetFileName("Calendar.ini");
  ASSERT_EQ(ini.Path(), dir.File("Calendar.ini"));

  CalendarChoices missing = ReadCalendarChoices(ini);
  EXPECT_TRUE(missing.currentHolidayLaw);
  EXPECT_FALSE(missing.exactLunar);

  ASSERT_TRUE(WriteCalendarChoices(ini, CalendarChoices{false, true}));
  EXPECT_EQ(dir.Read("Calendar.ini"), "[Display]\nHolidayLaw=0\nExactLunar=1\n");
  CalendarChoices read = ReadCalendarChoices(ini);
  EXPECT_FALSE(read.currentHolidayLaw);
  EXPECT_TRUE(read.exactLunar);

  dir.Write("Calendar.ini", "[Display]\nHolidayLaw=7\nExactLunar=-1\n");
  read = ReadCalendarChoices(ini);
  EXPECT_TRUE(read.currentHolidayLaw);
  EXPECT_TRUE(read.exactLunar);
}

}  // namespace
