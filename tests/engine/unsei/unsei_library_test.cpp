// The day reading as the program binds it: found by name in libNuvacalc.so, with the
// record laid out the same for C and C++ callers and the texts in exact CP932 bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"
#include "test_text.h"

extern "C" size_t UnseiRecordSizeSeenFromC(void);

namespace {

using nuvaro::testing::Sjis;

TEST(UnseiLibraryTest, RecordLayoutIsTheSameForC) { EXPECT_EQ(UnseiRecordSizeSeenFromC(), sizeof(UnseiRecord)); }

TEST(UnseiLibraryTest, ExportedByNameWithExactTexts) {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  ASSERT_NE(binDir, nullptr);
  nuvaro::platform::DynamicLibrary engine;
  ASSERT_TRUE(engine.Load(std::string(binDir) + "/libNuvacalc.so")) << engine.LastError();
  auto getUnseiCalendar = engine.Lookup<GetUnseiCalendarFunction>("GetUnseiCalendar");
  ASSERT_NE(getUnseiCalendar, nullptr);
  // The clock stays internal.
  EXPECT_EQ(engine.Symbol("_ZN6nuvaro5unsei13PinLocalClockESt8optionalINS0_12ClockReadingEE"), nullptr);

  // After a reset every sum's first use takes the first tables, whatever the clock says,
  // and with every sum 22 each part reads row 22 whichever sum it selects.
  UnseiRecord record{};
  record.yearBranch = 12;
  record.monthBranch = 5;
  record.dayBranch = 9;
  record.syakai = record.chikaku = record.ninki = record.shigoto = 22;
  record.aijyou = record.shinrei = record.jinkakuA = record.jinkakuB = 22;
  record.resetState = 1;
  EXPECT_EQ(getUnseiCalendar(&record), 1);
  EXPECT_EQ(std::string(record.readingText), Sjis("直感を信じて、変化を恐れなければ、大転換する可能性があります。"));
  EXPECT_EQ(std::string(record.extraText), "");
  EXPECT_EQ(record.faceKind, 5);
}

}  // namespace
