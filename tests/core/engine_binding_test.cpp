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

TEST(EngineBinding, NamesItsNineExportsInBindingOrder) {
  const std::vector<std::string> expected = {"GetKanjiStroke",   "CalculateSoul",   "GetAijyouKouryaku",
                                             "GetNinkiKouryaku", "GetShigotoHyouka", "GetAijyouAisyou",
                                             "GetSexAisyou",     "GetUnseiCalendar", "GetPersonalFortune"};
  ASSERT_EQ(kEngineExportNames.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(kEngineExportNames[i], expected[i]);
  EXPECT_EQ(kEngineExportNames[static_cast<std::size_t>(EngineEntry::CalculateSoul)], std::string("CalculateSoul"));
  EXPECT_EQ(kEngineExportNames[static_cast<std::size_t>(EngineEntry::GetUnseiCalendar)],
            std::string("GetUnseiCalendar"));
}

TEST(EngineBinding, AMissingEngineIsNamedByItsFileName) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  EngineBinding engine;
  EXPECT_FALSE(engine.Bind());
  EXPECT_FALSE(engine.IsLoaded());
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"モジュール:libNuvacalc.soが存在しません"});
  for (std::size_t i = 0; i < kEngineEntryCount; ++i) EXPECT_FALSE(engine.Has(static_cast<EngineEntry>(i)));
}

TEST(EngineBinding, AFileThatIsNoLibraryCountsAsMissing) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  folder.Write("libNuvacalc.so", "not a library");
  EngineBinding engine;
  EXPECT_FALSE(engine.Bind());
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"モジュール:libNuvacalc.soが存在しません"});
}

TEST(EngineBinding, MissingExportsStayEmptyAndAreNeverCalled) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  folder.CopyFixture("FakeEngine.so", "libNuvacalc.so");
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
  EXPECT_EQ(record.seiCount, 0);
  UnseiRecord day;
  std::memset(&day, 0, sizeof day);
  EXPECT_EQ(engine.GetUnseiCalendar(day), 0);
  EXPECT_EQ(day.readingText, nullptr);
  engine.Release();
  EXPECT_FALSE(engine.IsLoaded());
  EXPECT_FALSE(engine.Has(EngineEntry::GetKanjiStroke));
}

TEST(EngineBinding, TheBuiltEngineComputesSouls) {
  testing::ProgramFolder folder;
  folder.CopyEngine();
  EngineBinding engine;
  ASSERT_TRUE(engine.Bind());
  SoulRecord record = SoulRecordForName(Sjis("山田"), Sjis("太郎"), 39);
  EXPECT_EQ(engine.CalculateSoul(record), 1);
  EXPECT_EQ(record.honsyou, 21);
  EXPECT_EQ(record.outer[0], 1);
}

TEST(EngineBinding, NamePartsAreCutOnCharacterBoundaries) {
  const std::string ten = Sjis("一二三四五六七八九十");  // 20 bytes
  SoulRecord pair = SoulRecordForName(ten, "x" + ten, 19);
  EXPECT_EQ(std::string(pair.sei), Sjis("一二三四五六七八九"));
  EXPECT_EQ(std::string(pair.mei), "x" + Sjis("一二三四五六七八九"));
  SoulRecord face = SoulRecordForName(ten + ten + ten, "", 39);
  EXPECT_EQ(std::string(face.sei), ten + Sjis("一二三四五六七八九"));
  EXPECT_EQ(std::string(face.mei), "");
}

}  // namespace
}  // namespace nuvaro::core
