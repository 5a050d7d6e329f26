// The iCalendar writer's folding and escaping, and the export's stable UIDs.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "calendar/almanac_export.h"
#include "calendar/icalendar_writer.h"
#include "calendar/month_drawing_data.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::calendar {
namespace {

// Every physical line of a folded text: at most 75 octets, CRLF-ended, never cut inside
// a UTF-8 character; unfolding gives the line back.
void ExpectFolded(const std::string& line) {
  std::string folded = FoldICalendarLine(line);
  std::string unfolded;
  std::size_t start = 0;
  while (start < folded.size()) {
    std::size_t end = folded.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    std::string physical = folded.substr(start, end - start);
    EXPECT_LE(physical.size(), 75u) << physical;
    if (start > 0) {
      ASSERT_EQ(physical[0], ' ');
      physical.erase(0, 1);
    }
    if (!physical.empty()) {
      EXPECT_NE(static_cast<unsigned char>(physical[0]) & 0xC0, 0x80) << "cut inside a character";
    }
    unfolded += physical;
    start = end + 2;
  }
  EXPECT_EQ(unfolded, line);
}

TEST(ICalendarWriterTest, FoldsAt75OctetsOnCharacterBoundaries) {
  const std::string cases[] = {
      "SUMMARY:short",
      "DESCRIPTION:" + std::string(63, 'x'),           // exactly 75 octets: no fold
      "DESCRIPTION:" + std::string(64, 'x'),           // 76 octets
      "SUMMARY:" + std::string(200, 'a'),
      "DESCRIPTION:あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも",  // 3-octet characters
      "X:" + std::string(72, 'b') + "漢字",            // a character across the 75th octet
  };
  for (const std::string& line : cases) ExpectFolded(line);
}

TEST(ICalendarWriterTest, EscapesTextValues) {
  EXPECT_EQ(EscapeICalendarText("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
}

TEST(ICalendarWriterTest, ExportGivesStableUniqueUids) {
  AlmanacExportRequest request;
  request.from = {2027, 1, 1};
  request.to = {2027, 12, 31};
  std::set<std::string> uids;
  std::vector<AllDayEvent> first = AlmanacEvents(request);
  for (const AllDayEvent& e : first) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
  EXPECT_GT(first.size(), 365u + 24u + 16u);  // daily rokuyou, the solar terms, holidays
  // A second export of part of the range gives those days the same UIDs.
  request.from = {2027, 6, 1};
  request.to = {2027, 6, 30};
  for (const AllDayEvent& e : AlmanacEvents(request)) EXPECT_EQ(uids.count(e.uid), 1u) << e.uid;
  // The text is CRLF throughout.
  std::string text = AlmanacICalendar(request, {2027, 1, 2, 3, 4, 5});
  EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);
  EXPECT_NE(text.find("DTSTAMP:20270102T030405Z\r\n"), std::string::npos);
  EXPECT_EQ(std::string(text.rbegin(), text.rbegin() + 15), std::string("\n\rRADNELACV:DNE"));
}

// A day's exported reading is the text its calendar cell shows, wherever the range
// starts: the engine's phrasing alternates from the month's first day on.
TEST(ICalendarWriterTest, ReadingsAreTheCalendarCells) {
  const DayReadingEngine engine{&CalculateSoul, &GetUnseiCalendar};
  const std::string surname = "\x8e\x52\x93\x63", given = "\x91\xbe\x98\x59";  // 山田 太郎
  MonthDrawingData month = GatherMonth(2027, 3, surname, given, &engine);
  for (int start : {1, 10, 21}) {
    AlmanacExportRequest request;
    request.from = {2027, 3, start};
    request.to = {2027, 4, 2};
    request.engine = &engine;
    request.fullName = FullNameOf(surname, given);
    int compared = 0;
    for (const AllDayEvent& e : AlmanacEvents(request)) {
      if (e.category != "運勢" || e.month != 3) continue;
      EXPECT_EQ(e.summary, platform::Cp932ToUtf8Lossy(month.readings[static_cast<std::size_t>(e.day - 1)].readingText))
          << "from " << start << ", day " << e.day;
      ++compared;
    }
    EXPECT_EQ(compared, 32 - start);
  }
}

}  // namespace
}  // namespace nuvaro::calendar
