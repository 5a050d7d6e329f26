// The engine library exports its functions by name with C linkage, as the program binds them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"
#include "test_text.h"

namespace {

TEST(EngineExportsTest, FoundByNameInTheLibrary) {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  ASSERT_NE(binDir, nullptr);
  nuvaro::platform::DynamicLibrary engine;
  ASSERT_TRUE(engine.Load(std::string(binDir) + "/libNuvacalc.so")) << engine.LastError();
  auto getKanjiStroke = engine.Lookup<GetKanjiStrokeFunction>("GetKanjiStroke");
  auto calculateSoul = engine.Lookup<CalculateSoulFunction>("CalculateSoul");
  ASSERT_NE(getKanjiStroke, nullptr);
  ASSERT_NE(calculateSoul, nullptr);
  // Internal helpers stay hidden.
  EXPECT_EQ(engine.Symbol("_ZN6nuvaro6engine19IndexedStrokeLookupEt"), nullptr);

  unsigned char counts[21];
  EXPECT_EQ(getKanjiStroke(nuvaro::testing::Sjis("藤").c_str(), counts, 21), 1);
  EXPECT_EQ(counts[0], 18);
  SoulRecord record{};
  const std::string sei = nuvaro::testing::Sjis("山田"), mei = nuvaro::testing::Sjis("太郎");
  sei.copy(record.sei, sei.size());
  mei.copy(record.mei, mei.size());
  EXPECT_EQ(calculateSoul(&record), 1);
  EXPECT_EQ(record.honsyou, 21);
}

}  // namespace
