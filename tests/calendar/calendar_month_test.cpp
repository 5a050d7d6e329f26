// The drawing's selection point and the two reckoning settings in Calendar.ini.
#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar_choices.h"
#include "calendar/calendar_month.h"
#include "calendar/civil_date.h"
#include "calendar/month_drawing_data.h"
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

// What a grid cell shows under each choice, through the sources the grid draws from:
// the current law's 山の日 and 国民の休日 of 2026, and the 11th month of 2033 that only
// the ephemeris starts on 2033-11-22, followed by its leap month.
TEST(CalendarMonthTest, GridCellsFollowTheChoices) {
  struct Case {
    bool law, exact;
    int year, month, day;
    const char* holiday;
    const char* label;  // nullptr: the series label of OldCalendarLabel
  } cases[] = {
      {true, false, 2026, 8, 11, "山の日", nullptr},
      {false, false, 2026, 8, 11, "", nullptr},
      {true, false, 2026, 9, 22, "国民の休日", nullptr},
      {false, true, 2026, 9, 22, "", nullptr},
      {true, true, 2033, 12, 21, "", "旧暦2033年11月30日"},
      {true, false, 2033, 12, 21, "", nullptr},
      {true, true, 2033, 12, 22, "", "旧暦2033年閏11月朔日"},
      // A Sunday holiday: today's law names it and its substitute day; the slot table
      // has moved it to the Monday, and the Sunday cell names nothing.
      {true, false, 2034, 1, 1, "元日", nullptr},
      {true, false, 2034, 1, 2, "振替休日", nullptr},
      {false, false, 2034, 1, 1, "", nullptr},
      {false, false, 2034, 1, 2, "振替の休日", nullptr},
      {true, false, 2019, 5, 5, "こどもの日", nullptr},
      {true, false, 2019, 5, 6, "振替休日", nullptr},
      {false, false, 2019, 5, 5, "", nullptr},
      {false, false, 2019, 5, 6, "振替の休日", nullptr},
      {false, false, 2003, 5, 4, "", nullptr},  // the May slot on a Sunday: coloured, not named
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.law << c.exact << " " << c.year << "-" << c.month << "-" << c.day);
    MonthDrawingData data = GatherMonth(c.year, c.month, "", "", nullptr, MonthSourcesFor({c.law, c.exact}));
    CalendarSettings settings;
    settings.choices = {c.law, c.exact};
    DayCellContent cell = DecideDayCell(data, settings, c.day, DayOfWeek(c.year, c.month, c.day));
    EXPECT_TRUE(cell.holidayColour || *c.holiday == '\0');
    EXPECT_EQ(Utf8(cell.holidayName), c.holiday);
    std::string series = Utf8(OldCalendarLabel(c.year, c.month, c.day));
    if (c.label != nullptr) {
      EXPECT_EQ(Utf8(cell.oldCalendar), c.label);
      // The series names that month 10月; from the leap month on both agree.
      if (c.day == 21) {
        EXPECT_NE(Utf8(cell.oldCalendar), series);
      }
    } else {
      EXPECT_EQ(Utf8(cell.oldCalendar), series);
    }
  }
}

TEST(CalendarChoicesTest, DefaultsRoundTripAndNonZeroMeansOn) {
  nuvaro::testing::ProgramFolder dir;
  nuvaro::platform::IniFile ini;
  ini.SetFileName("Calendar.ini");
  ASSERT_EQ(ini.Path(), dir.File("Calendar.ini"));

  CalendarChoices missing = ReadCalendarChoices(ini);
  EXPECT_TRUE(missing.currentHolidayLaw);
  EXPECT_TRUE(missing.exactLunar);
  EXPECT_TRUE(missing.showAlmanac);

  ASSERT_TRUE(WriteCalendarChoices(ini, CalendarChoices{false, false, false}));
  EXPECT_EQ(dir.Read("Calendar.ini"), "[Display]\nHolidayLaw=0\nExactLunar=0\nRekichu=0\n");
  CalendarChoices read = ReadCalendarChoices(ini);
  EXPECT_FALSE(read.currentHolidayLaw);
  EXPECT_FALSE(read.exactLunar);
  EXPECT_FALSE(read.showAlmanac);

  dir.Write("Calendar.ini", "[Display]\nHolidayLaw=7\nExactLunar=-1\nRekichu=2\n");
  read = ReadCalendarChoices(ini);
  EXPECT_TRUE(read.currentHolidayLaw);
  EXPECT_TRUE(read.exactLunar);
  EXPECT_TRUE(read.showAlmanac);
}

// The factory file the program ships holds the defaults, and with them the old
// calendar is the almanacs' one: 2033 has no 閏7月, and 閏11月 starts on 2033-12-22.
TEST(CalendarChoicesTest, FactorySettingsReckonTheOldCalendarFromTheSunAndMoon) {
  CalendarSettings factory =
      ReadCalendarSettingsFrom((nuvaro::testing::ProgramFolder::BuiltProgramFolder() / "Calendar.ior").string());
  EXPECT_EQ(factory, CalendarSettings{});
  MonthSources sources = MonthSourcesFor(factory.choices);
  std::string firstLeapDay;
  for (int month = 1; month <= 12; ++month) {
    MonthDrawingData data = GatherMonth(2033, month, "", "", nullptr, sources);
    for (int day = 1; day <= data.days; ++day) {
      std::string label = Utf8(data.labels[static_cast<std::size_t>(day - 1)].oldCalendar);
      EXPECT_EQ(label.find("閏 7月"), std::string::npos) << month << "-" << day;
      if (firstLeapDay.empty() && label.find("閏") != std::string::npos)
        firstLeapDay = std::to_string(month) + "-" + std::to_string(day) + " " + label;
    }
  }
  EXPECT_EQ(firstLeapDay, "12-22 旧暦2033年閏11月朔日");
}

}  // namespace
