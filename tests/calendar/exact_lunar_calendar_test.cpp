// The old calendar from the ephemeris: the positions against published values, event
// instants against the reference times, the 2033 leap month, where it parts from the
// short-series calendar, and the events too close to midnight to be decided.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calendar/astronomical_events.h"
#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/ephemeris.h"
#include "calendar/exact_lunar_calendar.h"
#include "calendar/lunar_calendar.h"
#include "calendar/old_calendar_label.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Utf8;

constexpr double kArcsecond = 1.0 / 3600;
constexpr double kSecond = 1.0 / 86400;

std::string Civil(double local) {
  CivilDateTime c = DayNumberToCivil(local);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute, c.second);
  return text;
}

// Meeus's worked examples: the apparent sun of 1992-10-13 0h TT from the full VSOP87
// (199°54'21.56"), the apparent moon of 1992-04-12 0h TT from his abridged ELP (good to
// 10"). A frame left at J2000 misses by 0.1°, a wrong aberration by 20".
TEST(EphemerisTest, ApparentLongitudesMatchWorkedExamples) {
  EXPECT_NEAR(ApparentSunLongitude(2448908.5), 199 + 54.0 / 60 + 21.56 / 3600, 1 * kArcsecond);
  EXPECT_NEAR(ApparentMoonLongitude(2448724.5), 133.167265, 10 * kArcsecond);
}

// A position is the same whatever was asked just before (the library reuses a nutation
// computed within a tenth of a day).
TEST(EphemerisTest, PositionsDoNotDependOnWhatWasAskedBefore) {
  const double jde = 2422225.6;
  const double sun = ApparentSunLongitude(jde), moon = ApparentMoonLongitude(jde);
  for (double before : {-0.09, -0.05, 0.01, 0.05, 0.09, 0.1}) {
    ApparentSunLongitude(jde + 10);
    ApparentElongation(jde + before);
    EXPECT_NEAR(ApparentSunLongitude(jde), sun, 1e-6 * kArcsecond) << before;
    ApparentSunLongitude(jde + 10);
    ApparentSunLongitude(jde + before);
    EXPECT_NEAR(ApparentMoonLongitude(jde), moon, 1e-6 * kArcsecond) << before;
  }
}

// The reference instants (JST, to about a minute).
TEST(AstronomicalEventsTest, ReferenceInstants) {
  struct Case {
    bool newMoon;
    int year, month, day, hour, minute;
  } cases[] = {
      {true, 2017, 2, 26, 23, 59},  {true, 2033, 8, 25, 6, 40},   {true, 2033, 11, 22, 10, 40},
      {true, 2033, 12, 22, 3, 47},  {true, 2044, 11, 19, 23, 58}, {false, 2033, 12, 21, 22, 45},
      {false, 2017, 3, 20, 19, 29},
  };
  for (const Case& c : cases) {
    double expected = CivilToDayNumber(c.year, c.month, c.day, c.hour, c.minute, 0);
    double instant = 0;
    if (c.newMoon) {
      instant = NewMoonInstant(LunationOnOrBefore(static_cast<int>(expected) + 1));
    } else {
      // The solstice of December, or the equinox of March (term 0 of each year).
      instant = PrincipalTermInstant(c.month == 12 ? WinterSolsticeTerm(c.year) : 12 * (c.year - 2000));
    }
    EXPECT_NEAR(instant, expected, 90 * kSecond) << Civil(instant);
  }
}

// 2033: the month of the solstice is the 11th, the next 11th month lies 13 months on,
// and the first month after it without a principal term is the leap month.
TEST(ExactLunarCalendarTest, LeapEleventhMonthOf2033) {
  struct Case {
    int year, month, day;
    const char* label;
  } cases[] = {
      {2033, 8, 24, "旧暦2033年 7月30日"}, {2033, 8, 25, "旧暦2033年 8月朔日"}, {2033, 9, 23, "旧暦2033年 9月朔日"},
      {2033, 10, 23, "旧暦2033年10月朔日"}, {2033, 11, 22, "旧暦2033年11月朔日"}, {2033, 12, 21, "旧暦2033年11月30日"},
      {2033, 12, 22, "旧暦2033年閏11月朔日"}, {2034, 1, 19, "旧暦2033年閏11月29日"}, {2034, 1, 20, "旧暦2033年12月朔日"},
      // The new moon at 23:58 on 2017-02-26 starts the month on that day.
      {2017, 2, 26, "旧暦2017年 2月朔日"}, {2017, 3, 27, "旧暦2017年 2月30日"}, {2017, 3, 28, "旧暦2017年 3月朔日"},
      // Days where both calendars agree: a leap month, a new year, the last day shown.
      {2001, 5, 23, "旧暦2001年閏 4月朔日"}, {2003, 2, 1, "旧暦2003年正月朔日"}, {2099, 12, 31, "旧暦2099年11月20日"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8(FormatOldCalendarLabel(ExactCivilToLunar(c.year, c.month, c.day))), c.label)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

// Over 2000–2099 the two calendars part on exactly the days where the short series
// misplace a new moon or the leap month — and in 2097, where the ephemeris puts the new
// moon 8 s before midnight (one of the undecided events below).
TEST(ExactLunarCalendarTest, PartsFromTheSeriesCalendarOnlyWhereItErrs) {
  std::vector<std::string> runs;
  bool previous = false;
  int differing = 0;
  char date[40];
  for (int year = 2000; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        LunarDate series = CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0));
        LunarDate exact = ExactCivilToLunar(year, month, day);
        bool differs = series.year != exact.year || series.leap != exact.leap || series.month != exact.month ||
                       series.day != exact.day;
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
        if (differs && !previous) runs.push_back(date);
        if (!differs && previous) runs.back() += std::string("..") + date;
        differing += differs ? 1 : 0;
        previous = differs;
      }
      if (year == 2100) break;
    }
  }
  EXPECT_EQ(runs, (std::vector<std::string>{"2017-02-26..2017-03-28", "2033-08-25..2033-12-22",
                                            "2051-11-03..2051-12-03", "2074-08-22..2074-09-21",
                                            "2097-01-13..2097-02-12"}));
  EXPECT_EQ(differing, 209 + 30);
}

// Events whose distance from midnight is below their uncertainty (ephemeris, and ΔT
// growing after 2025): the library cannot tell on which day they fall. New moons move a
// month's first day; the two terms change no month (no new moon on a neighbouring day).
TEST(AstronomicalEventsTest, UndecidedEventsOf2000To2099) {
  std::vector<std::string> listed;
  for (const UndecidedEvent& e : UndecidedEvents(2000, 2099)) {
    listed.push_back(std::string(e.newMoon ? "new moon " : "term ") + Civil(e.instant).substr(0, 16));
    if (e.newMoon) continue;
    // A term on either side of midnight stays inside the same lunar month.
    int day = static_cast<int>(std::floor(e.instant));
    int lunation = LunationOnOrBefore(day - 1);
    EXPECT_LT(std::floor(NewMoonInstant(lunation)), day - 1) << Civil(e.instant);
    EXPECT_GT(std::floor(NewMoonInstant(lunation + 1)), day + 1) << Civil(e.instant);
  }
  EXPECT_EQ(listed, (std::vector<std::string>{"new moon 2074-08-22 23:59", "new moon 2092-02-08 00:02",
                                              "new moon 2097-01-13 23:59", "term 2030-02-18 23:59",
                                              "term 2095-12-22 00:00"}));
}

}  // namespace
