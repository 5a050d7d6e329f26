// The fortune calendar's month without a screen: grid geometry, what each day cell
// shows under the display settings, the day readings asked of the engine, and the
// month's labels computed together against the day-by-day functions.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "calendar/calendar_page_layout.h"
#include "calendar/civil_date.h"
#include "calendar/month_day_labels.h"
#include "calendar/month_drawing_data.h"
#include "calendar/month_grid_layout.h"
#include "calendar/rokuyou.h"
#include "test_text.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;

TEST(MonthGridLayoutTest, RowsAndCellsFollowTheIntegerFormulas) {
  struct Case {
    int year, month, firstWeekday, rows;
  } cases[] = {
      {2009, 2, 0, 4},  // starts on a Sunday, 28 days
      {2003, 8, 5, 6},  // starts on a Friday, 31 days
      {2006, 1, 0, 5},
      {2099, 12, 2, 5},
  };
  const GridRect target{0, 0, 657, 484};
  for (const Case& c : cases) {
    MonthGridLayout layout = LayOutMonth(c.year, c.month, target);
    EXPECT_EQ(layout.firstWeekday, c.firstWeekday) << c.year << "-" << c.month;
    EXPECT_EQ(layout.rows, c.rows) << c.year << "-" << c.month;
    int w = (657 - 5) / 7, h = (484 - 5 - 15) / c.rows;
    // The 1st, the last day and the bottom-right laid-out cell.
    EXPECT_EQ(layout.DayCell(1).rect, (GridRect{c.firstWeekday * w, 15, (c.firstWeekday + 1) * w, 15 + h}));
    int last = c.firstWeekday + layout.days - 1;
    EXPECT_EQ(layout.DayCell(layout.days).rect,
              (GridRect{last % 7 * w, 15 + last / 7 * h, last % 7 * w + w, 15 + (last / 7 + 1) * h}));
    EXPECT_EQ(layout.DayCell(layout.days).day, layout.days);
    EXPECT_TRUE(layout.Cell(c.rows - 1, 6).laidOut);
    if (c.rows < kGridMaxRows) {
      EXPECT_FALSE(layout.Cell(c.rows, 0).laidOut);
    }
  }
  // No month ever needs a seventh row.
  for (int first = 0; first < 7; ++first) EXPECT_LE(MonthRows(first, 31), 6);
}

TEST(MonthGridLayoutTest, HeaderBoxesAndCellAreas) {
  MonthGridLayout layout = LayOutMonth(2009, 2, {0, 0, 657, 484});
  EXPECT_EQ(HeaderBox(layout, 0), (GridRect{2, 3, 91, 15}));
  EXPECT_EQ(HeaderBox(layout, 6), (GridRect{560, 3, 649, 15}));
  // A cell 93 x 117 at (93, 132): W / 4 = 23, H / 4 = 29, H / 8 = 14, W / 16 = 5, H / 16 = 7.
  DayCellAreas areas = CellAreas({93, 132, 186, 249});
  EXPECT_EQ(areas.dayNumber, (GridRect{93, 132, 116, 161}));
  EXPECT_EQ(areas.holidayName, (GridRect{116, 132, 186, 146}));
  EXPECT_EQ(areas.oldCalendar, (GridRect{93, 161, 186, 175}));
  EXPECT_EQ(areas.rokuyou, (GridRect{116, 146, 186, 160}));
  EXPECT_EQ(areas.reading, (GridRect{98, 182, 186, 249}));
  EXPECT_EQ(areas.face, (GridPoint{168, 134}));
  EXPECT_EQ(LabelCharacterHeight(areas.dayNumber), 27);
  EXPECT_EQ(ReadingCharacterHeight(areas.reading), 12);
}

TEST(CalendarPageLayoutTest, ThousandthsOfThePageTruncatedOneByOne) {
  struct Case {
    int w, h, titleHeight;
    GridPoint title;
    GridRect box;
  } cases[] = {
      {2000, 1000, 26, {20, 30}, {20, 61, 20 + 1980 - 31, 61 + 939 - 31}},    // landscape: 990 / 1000 of the width
      {1000, 2000, 52, {10, 60}, {10, 122, 10 + 1000 - 62, 122 + 1878 - 62}},  // portrait: the whole width
      {999, 1999, 51, {9, 59}, {9, 121, 9 + 999 - 61, 121 + 1877 - 61}},      // every term truncated
  };
  for (const Case& c : cases) {
    CalendarPageLayout page = LayOutCalendarPage(c.w, c.h);
    EXPECT_EQ(page.titleCharacterHeight, c.titleHeight) << c.w << "x" << c.h;
    EXPECT_EQ(page.titleOrigin, c.title) << c.w << "x" << c.h;
    EXPECT_EQ(page.box, c.box) << c.w << "x" << c.h;
  }
}

// Fakes of the two engine entries: they count calls and remember the reset flags.
struct FakeEngine {
  static inline int soulCalls = 0;
  static inline int readingCalls = 0;
  static inline int soulAnswer = 1;
  static inline std::vector<int> resetFlags;
  static inline std::string lastSurname, lastGivenName;
  static void Reset(int answer) {
    soulCalls = readingCalls = 0;
    soulAnswer = answer;
    resetFlags.clear();
  }
  static int CalculateSoul(SoulRecord* record) {
    ++soulCalls;
    lastSurname = record->sei;
    lastGivenName = record->mei;
    record->honsyou = 30;
    return soulAnswer;
  }
  static int GetUnseiCalendar(UnseiRecord* record) {
    ++readingCalls;
    resetFlags.push_back(record->resetState);
    static std::string text;
    text = "reading " + std::to_string(record->dayBranch);
    record->readingText = text.c_str();
    record->extraText = "";
    record->faceKind = record->dayBranch % 6;
    return 1;
  }
};
constexpr DayReadingEngine kFakeEngine{FakeEngine::CalculateSoul, FakeEngine::GetUnseiCalendar};

TEST(MonthDrawingDataTest, ReadingsAreAskedOnlyForANamedPerson) {
  struct Case {
    const char* surname;
    const char* givenName;
    bool withEngine;
    int soulAnswer;
    int expectedRequests;
    int expectedEngineReadings;
  } cases[] = {
      {"山田", "太郎", true, 1, 28, 28},
      {"", "", true, 1, 0, 0},         // the user still unnamed: no engine requests at all
      {"山田", "太郎", false, 1, 0, 0},  // no engine to ask
      {"", "ひかる", true, 1, 28, 28},   // a name without a surname is still a name
      {"山田", "太郎", true, 0, 28, 0},  // a name the engine cannot read: no day texts
  };
  for (const Case& c : cases) {
    FakeEngine::Reset(c.soulAnswer);
    MonthDrawingData data =
        GatherMonth(2009, 2, Sjis(c.surname), Sjis(c.givenName), c.withEngine ? &kFakeEngine : nullptr);
    SCOPED_TRACE(std::string(c.surname) + " " + c.givenName);
    EXPECT_EQ(data.engineRequests, c.expectedRequests);
    EXPECT_EQ(FakeEngine::readingCalls, c.expectedEngineReadings);
    if (c.expectedEngineReadings > 0) {
      EXPECT_EQ(FakeEngine::resetFlags.front(), 1);
      EXPECT_EQ(std::count(FakeEngine::resetFlags.begin(), FakeEngine::resetFlags.end(), 1), 1);
      EXPECT_EQ(Utf8(FakeEngine::lastSurname), c.surname);
      EXPECT_EQ(Utf8(FakeEngine::lastGivenName), c.givenName);
      EXPECT_FALSE(data.readings[0].readingText.empty());
    } else {
      for (const DayReading& reading : data.readings) {
        EXPECT_TRUE(reading.readingText.empty());
        EXPECT_EQ(reading.faceKind, 0);
      }
      // Without a person the face of kind 0 stands in each cell; a name the engine
      // cannot count is marked and draws none, since no reading stands behind it.
      const bool uncountable = c.expectedRequests > 0;
      EXPECT_EQ(data.nameUncountable, uncountable);
      EXPECT_EQ(DecideDayCell(data, CalendarSettings{}, 1, 0).facePicture, uncountable ? 0 : 202);
    }
  }
}

TEST(MonthDrawingDataTest, DayReadingCopiesTheTextAndCutsLongNamesOnACharacter) {
  FakeEngine::Reset(1);
  // Eleven two-byte characters: 22 bytes, cut to 20 on a character boundary.
  std::string longSurname = Sjis("長長長長長長長長長長長");
  DayReading reading = RequestDayReading(kFakeEngine, longSurname + " " + Sjis("花"), 2003, 5, 3, true);
  EXPECT_EQ(FakeEngine::lastSurname, Sjis("長長長長長長長長長長"));
  EXPECT_EQ(FakeEngine::lastGivenName, Sjis("花"));
  EXPECT_EQ(reading.readingText.rfind("reading ", 0), 0u);
  SplitName split = SplitFullName(Sjis("ひかる"));
  EXPECT_EQ(split.surname, "");
  EXPECT_EQ(split.givenName, Sjis("ひかる"));
}

TEST(MonthDrawingDataTest, WhatEachDayCellShows) {
  CalendarSettings all;
  CalendarSettings noHolidayNames;
  noHolidayNames.kyujitu = 0;
  CalendarSettings nothing;
  nothing.kao = nothing.kantei = nothing.kyujitu = nothing.kyureki = nothing.rokuyou = 0;
  struct Case {
    int year, month, day;
    const CalendarSettings* settings;
    bool holidayColour;
    const char* holidayName;
  } cases[] = {
      {2006, 1, 1, &all, true, ""},               // New Year on a Sunday: colour, no name
      {2006, 1, 2, &all, true, "振替の休日"},
      {2006, 1, 9, &all, true, "成人の日"},
      {2006, 1, 7, &all, false, ""},              // an ordinary Saturday
      {2003, 5, 3, &all, true, "憲法記念日"},       // a holiday on a Saturday
      {2003, 5, 10, &all, false, ""},
      {2006, 1, 8, &all, true, ""},               // an ordinary Sunday
      {2006, 1, 9, &noHolidayNames, true, ""},    // names off, colour kept
  };
  FakeEngine::Reset(1);
  for (const Case& c : cases) {
    MonthDrawingData data = GatherMonth(c.year, c.month, Sjis("山田"), Sjis("花子"), &kFakeEngine);
    int column = DayOfWeek(c.year, c.month, c.day);
    DayCellContent cell = DecideDayCell(data, *c.settings, c.day, column);
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
    EXPECT_EQ(cell.holidayColour, c.holidayColour);
    EXPECT_EQ(Utf8(cell.holidayName), c.holidayName);
    EXPECT_EQ(cell.dayNumber, std::to_string(c.day));
    EXPECT_EQ(cell.oldCalendar, OldCalendarLabel(c.year, c.month, c.day));
    EXPECT_EQ(cell.rokuyou, RokuyouLabel(c.year, c.month, c.day));
    EXPECT_FALSE(cell.reading.empty());
    EXPECT_EQ(cell.facePicture, DayFaceBitmap(data.readings[static_cast<std::size_t>(c.day - 1)].faceKind));
    DayCellContent bare = DecideDayCell(data, nothing, c.day, column);
    EXPECT_EQ(bare.holidayColour, c.holidayColour);
    EXPECT_TRUE(bare.holidayName.empty() && bare.oldCalendar.empty() && bare.rokuyou.empty() &&
                bare.reading.empty());
    EXPECT_EQ(bare.facePicture, 0);
  }
  const int faces[][2] = {{0, 202}, {1, 204}, {2, 201}, {3, 202}, {4, 200}, {5, 203}, {6, 202}, {-1, 202}};
  for (const auto& f : faces) EXPECT_EQ(DayFaceBitmap(f[0]), f[1]) << f[0];
}

// The month's labels computed together are the bytes of the day-by-day functions for
// every day the calendar can show, with a month on either side.
TEST(MonthDayLabelsTest, EqualTheDayByDayLabelsOverTheWholeRange) {
  int mismatches = 0;
  for (int index = 1999 * 12 + 11; index <= 2100 * 12; ++index) {
    int year = index / 12, month = index % 12 + 1;
    std::vector<DayLabels> labels = MonthDayLabels(year, month);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(DaysInMonth(year, month)));
    for (int day = 1; day <= DaysInMonth(year, month); ++day) {
      const DayLabels& got = labels[static_cast<std::size_t>(day - 1)];
      if (got.oldCalendar != OldCalendarLabel(year, month, day) || got.rokuyou != RokuyouLabel(year, month, day)) {
        ADD_FAILURE() << year << "-" << month << "-" << day << ": " << Utf8(got.oldCalendar) << " " << Utf8(got.rokuyou);
        if (++mismatches > 10) return;
      }
    }
  }
}

}  // namespace
