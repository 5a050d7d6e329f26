// Holidays by the current law against lists written out by hand for years where the
// rules meet: moved Mondays, Sunday substitutes before and after 2007, days between two
// holidays, the imperial one-offs and the Olympic years.
#include <gtest/gtest.h>

#include <string>

#include "calendar/current_holidays.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Utf8;

// "M/D name" per holiday, one space between, in date order.
std::string Describe(int year) {
  std::string text;
  for (const Holiday& h : CurrentLawHolidays(year)) {
    if (!text.empty()) text += ' ';
    text += std::to_string(h.month) + "/" + std::to_string(h.day) + " " + Utf8(h.name);
  }
  return text;
}

TEST(CurrentLawHolidaysTest, TellingYearsMatchThePublishedLists) {
  struct Case {
    int year;
    const char* holidays;
  } cases[] = {
      {1999,
       "1/1 元日 1/15 成人の日 2/11 建国記念の日 3/21 春分の日 3/22 振替休日 4/29 みどりの日 5/3 憲法記念日 "
       "5/4 国民の休日 5/5 こどもの日 7/20 海の日 9/15 敬老の日 9/23 秋分の日 10/10 体育の日 10/11 振替休日 "
       "11/3 文化の日 11/23 勤労感謝の日 12/23 天皇誕生日"},
      {2007,
       "1/1 元日 1/8 成人の日 2/11 建国記念の日 2/12 振替休日 3/21 春分の日 4/29 昭和の日 4/30 振替休日 "
       "5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 7/16 海の日 9/17 敬老の日 9/23 秋分の日 9/24 振替休日 "
       "10/8 体育の日 11/3 文化の日 11/23 勤労感謝の日 12/23 天皇誕生日 12/24 振替休日"},
      {2009,
       "1/1 元日 1/12 成人の日 2/11 建国記念の日 3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 "
       "5/5 こどもの日 5/6 振替休日 7/20 海の日 9/21 敬老の日 9/22 国民の休日 9/23 秋分の日 10/12 体育の日 "
       "11/3 文化の日 11/23 勤労感謝の日 12/23 天皇誕生日"},
      {2015,
       "1/1 元日 1/12 成人の日 2/11 建国記念の日 3/21 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 "
       "5/5 こどもの日 5/6 振替休日 7/20 海の日 9/21 敬老の日 9/22 国民の休日 9/23 秋分の日 10/12 体育の日 "
       "11/3 文化の日 11/23 勤労感謝の日 12/23 天皇誕生日"},
      {2016,
       "1/1 元日 1/11 成人の日 2/11 建国記念の日 3/20 春分の日 3/21 振替休日 4/29 昭和の日 5/3 憲法記念日 "
       "5/4 みどりの日 5/5 こどもの日 7/18 海の日 8/11 山の日 9/19 敬老の日 9/22 秋分の日 10/10 体育の日 "
       "11/3 文化の日 11/23 勤労感謝の日 12/23 天皇誕生日"},
      {2019,
       "1/1 元日 1/14 成人の日 2/11 建国記念の日 3/21 春分の日 4/29 昭和の日 4/30 国民の休日 "
       "5/1 天皇の即位の日 5/2 国民の休日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 5/6 振替休日 "
       "7/15 海の日 8/11 山の日 8/12 振替休日 9/16 敬老の日 9/23 秋分の日 10/14 体育の日 "
       "10/22 即位礼正殿の儀 11/3 文化の日 11/4 振替休日 11/23 勤労感謝の日"},
      {2020,
       "1/1 元日 1/13 成人の日 2/11 建国記念の日 2/23 天皇誕生日 2/24 振替休日 3/20 春分の日 4/29 昭和の日 "
       "5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 5/6 振替休日 7/23 海の日 7/24 スポーツの日 8/10 山の日 "
       "9/21 敬老の日 9/22 秋分の日 11/3 文化の日 11/23 勤労感謝の日"},
      {2021,
       "1/1 元日 1/11 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 "
       "5/4 みどりの日 5/5 こどもの日 7/22 海の日 7/23 スポーツの日 8/8 山の日 8/9 振替休日 9/20 敬老の日 "
       "9/23 秋分の日 11/3 文化の日 11/23 勤労感謝の日"},
      {2026,
       "1/1 元日 1/12 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 "
       "5/4 みどりの日 5/5 こどもの日 5/6 振替休日 7/20 海の日 8/11 山の日 9/21 敬老の日 9/22 国民の休日 "
       "9/23 秋分の日 10/12 スポーツの日 11/3 文化の日 11/23 勤労感謝の日"},
      {2032,
       "1/1 元日 1/12 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 "
       "5/4 みどりの日 5/5 こどもの日 7/19 海の日 8/11 山の日 9/20 敬老の日 9/21 国民の休日 9/22 秋分の日 "
       "10/11 スポーツの日 11/3 文化の日 11/23 勤労感謝の日"},
      {2037,
       "1/1 元日 1/12 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 "
       "5/4 みどりの日 5/5 こどもの日 5/6 振替休日 7/20 海の日 8/11 山の日 9/21 敬老の日 9/22 国民の休日 "
       "9/23 秋分の日 10/12 スポーツの日 11/3 文化の日 11/23 勤労感謝の日"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.year), c.holidays) << c.year;
}

// The first substitute holiday (1973-04-30), the old emperor's birthday, the one-off
// days of 1989, 1990 and 1993, and the equinoxes of the 1970s, where the formula made
// for 1980 on would put March 21 of 1970 on the 20th.
TEST(CurrentLawHolidaysTest, EarlierRulesAndOneOffDays) {
  struct Case {
    int year, month, day;
    const char* name;  // nullptr: no holiday
  } cases[] = {
      {1973, 2, 12, nullptr},  // 2/11 was a Sunday before substitutes began
      {1973, 4, 30, "振替休日"}, {1988, 4, 29, "天皇誕生日"}, {1988, 5, 4, "国民の休日"},
      {1989, 2, 24, "昭和天皇の大喪の礼"}, {1989, 4, 29, "みどりの日"}, {1989, 12, 23, "天皇誕生日"},
      {1990, 11, 12, "即位礼正殿の儀"}, {1993, 6, 9, "皇太子徳仁親王の結婚の儀"},
      {1987, 5, 4, "振替休日"},  // May 3 on a Sunday, before days between holidays existed
      {1997, 5, 4, nullptr},      // a Sunday between two holidays stayed a plain Sunday until 2006
      {2003, 5, 4, nullptr},
      {1995, 7, 20, nullptr},  {2003, 7, 21, "海の日"}, {2018, 12, 24, "振替休日"},
      {2019, 12, 23, nullptr}, {2019, 2, 23, nullptr}, {2000, 1, 10, "成人の日"},
      {1970, 3, 21, "春分の日"}, {1975, 9, 24, "秋分の日"}, {1979, 9, 24, "秋分の日"},
      {1976, 3, 20, "春分の日"},
  };
  for (const Case& c : cases) {
    std::vector<Holiday> holidays = CurrentLawHolidays(c.year);
    const Holiday* found = FindCurrentLawHoliday(holidays, c.month, c.day);
    if (c.name == nullptr) {
      EXPECT_EQ(found, nullptr) << c.year << "-" << c.month << "-" << c.day << ": " << Utf8(found->name);
    } else {
      ASSERT_NE(found, nullptr) << c.year << "-" << c.month << "-" << c.day;
      EXPECT_EQ(Utf8(found->name), c.name) << c.year << "-" << c.month << "-" << c.day;
    }
  }
}

}  // namespace
