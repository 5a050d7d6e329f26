// The almanac's days against an independent computation of the sun (PyEphem, committed
// as tests/calendar/data/solar_terms_2000_2099.txt by tools/ephemeris_check/solar_term_table.py),
// against the principal terms of the exact old calendar, and the rules on their edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/almanac.h"
#include "calendar/almanac_search.h"
#include "calendar/astronomical_events.h"
#include "calendar/day_number.h"
#include "calendar/ephemeris.h"
#include "calendar/month_drawing_data.h"
#include "calendar/sexagenary.h"
#include "platform/core/encoding.h"

namespace nuvaro::calendar {
namespace {

struct ReferenceMoment {
  int year, month, day, hour, minute, second;
  std::string kind;  // "0" .. "23", or "L" and a longitude
  int LocalDay() const { return static_cast<int>(CivilToDayNumber(year, month, day, 0, 0, 0)); }
  double Instant() const { return CivilToDayNumber(year, month, day, hour, minute, second); }
};

const std::vector<ReferenceMoment>& Reference() {
  static const std::vector<ReferenceMoment> moments = [] {
    std::vector<ReferenceMoment> list;
    std::ifstream in(NUVARO_SOLAR_TERM_TABLE);
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      ReferenceMoment m{};
      char dash, colon;
      std::istringstream fields(line);
      fields >> m.year >> dash >> m.month >> dash >> m.day >> m.hour >> colon >> m.minute >> colon >> m.second >> m.kind;
      list.push_back(m);
    }
    return list;
  }();
  return moments;
}

// The reference's day of a term kind (or "L<deg>") in a year; 0 when absent.
int ReferenceDay(int year, const std::string& kind) {
  for (const ReferenceMoment& m : Reference()) {
    if (m.year == year && m.kind == kind) return m.LocalDay();
  }
  return 0;
}

int FirstDay(int year) { return static_cast<int>(CivilToDayNumber(year, 1, 1, 0, 0, 0)); }

const AlmanacDay& AlmanacAt(int localDay) {
  CivilDateTime d = DayNumberToCivil(localDay);
  return AlmanacOf(d.year, d.month, d.day);
}

bool Has(const AlmanacDay& day, Zassetsu item) {
  return std::find(day.zassetsu.begin(), day.zassetsu.end(), item) != day.zassetsu.end();
}
bool Has(const AlmanacDay& day, Rekichu item) {
  return std::find(day.rekichu.begin(), day.rekichu.end(), item) != day.rekichu.end();
}

// Within this many seconds of midnight two computations may honestly differ on the day.
constexpr double kMidnightMargin = 60;

TEST(AlmanacTest, SolarTermsAgreeWithAnIndependentEphemerisEveryYear) {
  ASSERT_EQ(Reference().size(), 100u * 30u) << "the reference table was not found or is incomplete";
  int terms = 0, nearMidnight = 0;
  double largest = 0;
  for (const ReferenceMoment& m : Reference()) {
    if (m.kind[0] == 'L') continue;
    int kind = std::stoi(m.kind);
    // 小寒 and 大寒 of January belong to the cycle that began with the year before's 立春.
    int n = kSolarTermCount * (m.year - 2000 - (kind >= 22 ? 1 : 0)) + kind;
    double mine = SolarTermInstant(n);
    double seconds = (mine - m.Instant()) * 86400;
    EXPECT_LT(std::fabs(seconds), 120) << m.year << "-" << m.month << "-" << m.day << " kind " << kind;
    largest = std::fmax(largest, std::fabs(seconds));
    double fromMidnight = std::fmin(mine - std::floor(mine), std::ceil(mine) - mine) * 86400;
    nearMidnight += fromMidnight <= kMidnightMargin;
    if (fromMidnight > kMidnightMargin) {
      EXPECT_EQ(static_cast<int>(std::floor(mine)), m.LocalDay()) << m.year << "-" << m.month << "-" << m.day;
      const AlmanacDay& day = AlmanacAt(m.LocalDay());
      ASSERT_TRUE(day.solarTerm.has_value()) << m.year << "-" << m.month << "-" << m.day;
      EXPECT_EQ(day.solarTerm->kind, kind);
    }
    ++terms;
  }
  EXPECT_EQ(terms, 2400);
  RecordProperty("largest_difference_seconds", static_cast<int>(std::ceil(largest)));
  RecordProperty("terms_within_a_minute_of_midnight", nearMidnight);
}

TEST(AlmanacTest, PrincipalTermsAreTheExactOldCalendarsOwn) {
  // Term 0 of the old calendar (春分 2000, 0°) is solar term 3.
  for (int term = 0; term < 1200; ++term) {
    EXPECT_LT(std::fabs(SolarTermInstant(3 + 2 * term) - PrincipalTermInstant(term)) * 86400, 1.0) << term;
  }
}

// The search asks the ephemeris once per term and trusts the short series' slope for
// the rest; over every year the almanac is given for, the sun of the ephemeris must
// stand at the term's longitude to within half a second of its motion.
TEST(AlmanacTest, EveryTermSitsOnTheEphemerisSun) {
  constexpr double kSlowestDegreesPerSecond = 0.95 / 86400;  // near aphelion
  double worst = 0;
  for (int n = kSolarTermCount * (kAlmanacFirstYear - 2000) - 2; n < kSolarTermCount * (kAlmanacLastYear - 1999); ++n) {
    double longitude = ApparentSunLongitude(LocalToEphemerisDay(SolarTermInstant(n)));
    double off = std::remainder(longitude - (315.0 + 15.0 * n), 360.0) / kSlowestDegreesPerSecond;
    ASSERT_LT(std::fabs(off), 0.5) << "term " << n;
    worst = std::fmax(worst, std::fabs(off));
  }
  RecordProperty("worst_seconds_x1000", static_cast<int>(std::ceil(worst * 1000)));
}

// The terms of 2000–2099 within a minute of midnight, which the reference comparison
// leaves out: the day is the one the instant falls on and the minute is truncated, so
// 23:59:52 stays on its day.
TEST(AlmanacTest, TermsNearMidnightKeepTheirDayAndMinute) {
  struct Case {
    int year, month, day;
    SolarTermOfDay term;
  };
  const Case cases[] = {
      {2030, 2, 18, {1, 23, 59}},   // 雨水 at 23:59:52
      {2053, 1, 19, {23, 23, 59}},  // 大寒 at 23:59:00
      {2095, 12, 22, {21, 0, 0}},   // 冬至 at 00:00:34
  };
  for (const Case& c : cases) {
    const AlmanacDay& day = AlmanacOf(c.year, c.month, c.day);
    ASSERT_TRUE(day.solarTerm.has_value()) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(*day.solarTerm, c.term) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(AlmanacTest, SeasonalDaysFollowTheReferenceSun) {
  for (int year = 2000; year <= 2099; ++year) {
    int spring = ReferenceDay(year, "0");
    struct Expected {
      int day;
      Zassetsu item;
    };
    std::vector<Expected> expected = {
        {spring - 1, Zassetsu::kSetsubun},         {spring + 87, Zassetsu::kHachijuhachiya},
        {spring + 209, Zassetsu::kNihyakutoka},    {spring + 219, Zassetsu::kNihyakuhatsuka},
        {ReferenceDay(year, "3") - 3, Zassetsu::kHiganStart}, {ReferenceDay(year, "15") + 3, Zassetsu::kHiganEnd},
        {ReferenceDay(year, "L80"), Zassetsu::kNyubai},        {ReferenceDay(year, "L100"), Zassetsu::kHangesho},
        {ReferenceDay(year, "L297"), Zassetsu::kDoyoStart},    {ReferenceDay(year, "L27"), Zassetsu::kDoyoStart},
        {ReferenceDay(year, "L117"), Zassetsu::kDoyoStart},    {ReferenceDay(year, "L207"), Zassetsu::kDoyoStart}};
    for (const Expected& e : expected) {
      CivilDateTime d = DayNumberToCivil(e.day);
      EXPECT_TRUE(Has(AlmanacAt(e.day), e.item))
          << d.year << "-" << d.month << "-" << d.day << " " << ZassetsuId(e.item);
    }
    // Exactly four 土用入り, two 社日 and one 節分 a year.
    int doyo = 0, shanichi = 0, setsubun = 0;
    for (const AlmanacDay& day : AlmanacYear(year)) {
      doyo += Has(day, Zassetsu::kDoyoStart);
      shanichi += Has(day, Zassetsu::kShanichi);
      setsubun += Has(day, Zassetsu::kSetsubun);
    }
    EXPECT_EQ(doyo, 4) << year;
    EXPECT_EQ(shanichi, 2) << year;
    EXPECT_EQ(setsubun, 1) << year;
  }
}

TEST(AlmanacTest, LuckyDaysFollowTheReferenceSetsu) {
  // The solar month of every day from the reference's 節, then both rules as written.
  static const int kManbai[12][2] = {{2, 7}, {10, 3}, {1, 4}, {4, 5},  {6, 7},  {10, 7},
                                     {1, 8}, {4, 9},  {7, 10}, {10, 11}, {12, 1}, {4, 1}};
  static const int kTensha[4] = {15, 31, 45, 1};  // 戊寅 甲午 戊申 甲子
  std::map<int, int> setsuStarts;                 // local day -> solar month
  for (const ReferenceMoment& m : Reference()) {
    if (m.kind[0] != 'L' && std::stoi(m.kind) % 2 == 0) setsuStarts[m.LocalDay()] = std::stoi(m.kind) / 2;
  }
  int checked = 0, tensha = 0;
  for (int day = setsuStarts.begin()->first; day < FirstDay(2100); ++day) {
    int month = std::prev(setsuStarts.upper_bound(day))->second;
    int pair = DaySexagenary(day);
    int branch = (pair - 1) % 12 + 1;
    bool manbai = branch == kManbai[month][0] || branch == kManbai[month][1];
    bool isTensha = pair == kTensha[month / 3];
    const AlmanacDay& mine = AlmanacAt(day);
    ASSERT_EQ(Has(mine, Rekichu::kIchiryuManbai), manbai) << "local day " << day;
    ASSERT_EQ(Has(mine, Rekichu::kTensha), isTensha) << "local day " << day;
    tensha += isTensha;
    ++checked;
  }
  EXPECT_GT(checked, 36000);
  EXPECT_GT(tensha, 500);  // five or six a year
}

TEST(AlmanacTest, DayCycleAgreesWithTheCalendarsSexagenaryNames) {
  for (int day = FirstDay(2000); day < FirstDay(2100); day += 7) {
    CivilDateTime d = DayNumberToCivil(day);
    ASSERT_EQ(SexagenaryName(DaySexagenary(day)), SexagenaryNames(d.year, d.month, d.day).day) << day;
  }
}

// Published almanac dates on the rules' edges.
TEST(AlmanacTest, EdgeCasesOfTheRules) {
  struct Case {
    int year, month, day;
    const char* what;
    bool expected;
  };
  auto has = [](const AlmanacDay& d, std::string_view utf8) {
    std::string label = platform::Cp932ToUtf8Lossy(AlmanacLabel(d));
    return (" " + label + " ").find(" " + std::string(utf8) + " ") != std::string::npos;
  };
  const Case cases[] = {
      {2021, 2, 2, "節分", true},       // 立春 on the 3rd: the first 節分 on February 2 in a long time
      {2024, 2, 3, "節分", true},       // a leap year: 立春 on the 4th
      {2024, 2, 4, "立春", true},
      {2024, 3, 15, "社日", true},      // 春分 (3/20) is 癸未: 戊 days 5 before and 5 after, the earlier
      {2024, 3, 25, "社日", false},
      {2024, 3, 15, "天赦日", true},    // 戊寅 in spring, and a 一粒万倍日 the same day
      {2024, 3, 15, "一粒万倍日", true},
      {2024, 1, 18, "土用入り", true},  // the winter 土用 that started with 立冬 of the year before
      {2025, 1, 17, "土用入り", true},
      {2024, 7, 19, "土用入り", true},
      {2024, 6, 10, "入梅", true},
      {2024, 7, 1, "半夏生", true},
      {2024, 5, 1, "八十八夜", true},
      {2024, 8, 31, "二百十日", true},
      {2024, 9, 10, "二百二十日", true},
      {2024, 3, 17, "彼岸入り", true},
      {2024, 9, 25, "彼岸明け", true},
      {2024, 12, 26, "天赦日", true},   // 甲子 in winter
      {2024, 5, 30, "天赦日", true},    // 甲午 in summer (立夏 on 5/5)
      {2024, 8, 12, "天赦日", true},    // 戊申, five days after 立秋
  };
  for (const Case& c : cases) {
    EXPECT_EQ(has(AlmanacOf(c.year, c.month, c.day), c.what), c.expected)
        << c.year << "-" << c.month << "-" << c.day << " " << c.what;
  }
  // A tie for 社日 picks the earlier 戊 day; otherwise the nearer one.
  int equinox = static_cast<int>(CivilToDayNumber(2024, 3, 20, 0, 0, 0));  // 癸未
  EXPECT_EQ(ShanichiDay(equinox), equinox - 5);
  EXPECT_EQ(ShanichiDay(equinox + 1), equinox + 5);  // 甲申: the 戊子 four days on
  EXPECT_EQ(ShanichiDay(equinox - 5), equinox - 5);  // a 戊 day is its own 社日
}

TEST(AlmanacTest, TenshaChangesSeasonWithTheSetsuDay) {
  // 立秋 2024 fell on August 7. The 甲午 before it is summer's 天赦日 only while summer
  // lasts, and a 甲午 past it is none.
  for (int day = FirstDay(2000); day < FirstDay(2100); ++day) {
    const AlmanacDay& d = AlmanacAt(day);
    if (!d.solarTerm || d.solarTerm->kind % 6 != 0) continue;  // 立春, 立夏, 立秋, 立冬
    int season = d.solarTerm->kind / 6;
    static const int kPairs[4] = {15, 31, 45, 1};
    for (int after = 0; after < 12; ++after) {
      int pair = DaySexagenary(day + after);
      const AlmanacDay& later = AlmanacAt(day + after);
      if (pair == kPairs[season]) {
        EXPECT_TRUE(Has(later, Rekichu::kTensha)) << day + after;
      }
      if (pair == kPairs[(season + 3) % 4]) {
        EXPECT_FALSE(Has(later, Rekichu::kTensha)) << day + after;
      }
    }
  }
}

// The cell's almanac line follows "Rekichu" and nothing else.
TEST(AlmanacTest, DayCellShowsItsItemsUnderTheSetting) {
  MonthDrawingData data = GatherMonth(2024, 3, "", "", nullptr);
  CalendarSettings on, off;
  off.choices.showAlmanac = false;
  off.kyureki = 0;
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(DecideDayCell(data, on, 15, 5).almanac), "社日 一粒万倍日 天赦日");
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(DecideDayCell(data, on, 20, 3).almanac), "春分");
  EXPECT_EQ(DecideDayCell(data, on, 14, 4).almanac, "");
  EXPECT_EQ(DecideDayCell(data, off, 15, 5).almanac, "");
  // The exact and the series old calendar give the same almanac.
  on.kyureki = 0;
  on.choices.exactLunar = true;
  MonthDrawingData exact = GatherMonth(2024, 3, "", "", nullptr, MonthSourcesFor(on.choices));
  EXPECT_EQ(exact.almanac, data.almanac);
}

TEST(LuckyDaySearchTest, ConditionsCombine) {
  CalendarChoices choices;
  LuckyDayCriteria tensha;
  tensha.rekichu = {Rekichu::kTensha};
  std::vector<LuckyDay> found = FindLuckyDays({2024, 1, 1}, {2024, 12, 31}, tensha, choices, nullptr, " ");
  std::vector<CivilDay> days;
  for (const LuckyDay& d : found) days.push_back(d.date);
  EXPECT_EQ(days, (std::vector<CivilDay>{{2024, 1, 1}, {2024, 3, 15}, {2024, 5, 30}, {2024, 7, 29}, {2024, 8, 12},
                                         {2024, 10, 11}, {2024, 12, 26}}));

  LuckyDayCriteria weekendTensha = tensha;
  weekendTensha.holidayOrWeekend = true;
  found = FindLuckyDays({2024, 1, 1}, {2024, 12, 31}, weekendTensha, choices, nullptr, " ");
  ASSERT_FALSE(found.empty());
  for (const LuckyDay& d : found) {
    EXPECT_TRUE(d.weekday == 0 || d.weekday == 6 || !d.holiday.empty()) << d.date.month << "/" << d.date.day;
  }

  LuckyDayCriteria notButsumetsu;
  notButsumetsu.notButsumetsu = true;
  LuckyDayCriteria any;
  std::size_t all = FindLuckyDays({2027, 1, 1}, {2027, 1, 31}, any, choices, nullptr, " ").size();
  std::size_t kept = FindLuckyDays({2027, 1, 1}, {2027, 1, 31}, notButsumetsu, choices, nullptr, " ").size();
  EXPECT_EQ(all, 31u);
  EXPECT_GE(all - kept, 4u);  // a six-day cycle leaves about five 仏滅 in a month
  EXPECT_LE(all - kept, 7u);

  LuckyDayCriteria face;
  face.goodFace = true;
  EXPECT_TRUE(FindLuckyDays({2027, 1, 1}, {2027, 1, 31}, face, choices, nullptr, "山田 太郎").empty());
}

}  // namespace
}  // namespace nuvaro::calendar
