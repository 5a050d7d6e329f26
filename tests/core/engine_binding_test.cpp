#include "core/engine_binding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;

TEST(EngineBinding, MissingExportsStayEmptyAndAreNeverCalled) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  folder.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "FakeEngine.so", "libNuvacalc.so");  // only entries 1, 7 and 9
  EngineBinding engine;
  ASSERT_TRUE(engine.Bind());
  EXPECT_TRUE(sink.messages.empty()) << "a missing export is not reported";
  const std::vector<bool> present = {true, false, false, false, false, false, true, false, true};
  for (std::size_t i = 0; i < kEngineEntryCount; ++i) {
    EXPECT_EQ(engine.Has(static_cast<EngineEntry>(i)), present[i]) << kEngineExportNames[i];
  }
  // Without CalculateSoul a record keeps its zeros, as for a name that cannot be read.
  SoulRecord record = SoulRecordForName(Sjis("山田"), Sjis("太郎"), 39);
  EXPECT_EQ(engine.CalculateSoul(record), 0);
  EXPECT_EQ(record.honsyou, 0);
  UnseiRecord day;
  std::memset(&day, 0, sizeof day);
  EXPECT_EQ(engine.GetUnseiCalendar(day), 0);
  EXPECT_EQ(day.readingText, nullptr);
  engine.Release();
  EXPECT_FALSE(engine.IsLoaded());
  EXPECT_FALSE(engine.Has(EngineEntry::GetKanjiStroke));
}

TEST(EngineBinding, NamePartsAreCutOnCharacterBoundaries) {
  const std::string ten = Sjis("一二三四五六七八九十");  // 20 bytes
  SoulRecord pair = SoulRecordForName(ten, "x" + ten, 19);
  EXPECT_EQ(std::string(pair.sei), Sjis("一二三四五六七八九"));
  EXPECT_EQ(std::string(pair.mei), "x" + Sjis("一二三四五六七八九"));
  SoulRecord face = SoulRecordForName(ten + ten + ten, "", 39);
  EXPECT_EQ(std::string(face.sei), ten + Sjis("一二三四五六七八九"));
}

}  // namespace
}  // namespace nuvaro::core
