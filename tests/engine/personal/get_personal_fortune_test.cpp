// GetPersonalFortune as the library exports it: found by name, writes text and note on a
// match and leaves the caller's record alone otherwise.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"
#include "test_text.h"

extern "C" size_t PersonalFortuneQuerySizeSeenFromC(void);

namespace {

using nuvaro::testing::Sjis;

// Pointers the engine never hands out, to see whether the record was written.
const char kCallerText[] = "caller text";
const char kCallerNote[] = "caller note";

PersonalFortuneQuery Ask(std::uint16_t number, std::int32_t aspect) {
  PersonalFortuneQuery query{number, aspect, kCallerText, kCallerNote};
  GetPersonalFortune(&query);
  return query;
}

TEST(GetPersonalFortune, FoundByNameWithTheLayoutCSees) {
  EXPECT_EQ(PersonalFortuneQuerySizeSeenFromC(), sizeof(PersonalFortuneQuery));
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  ASSERT_NE(binDir, nullptr);
  nuvaro::platform::DynamicLibrary engine;
  ASSERT_TRUE(engine.Load(std::string(binDir) + "/libNuvacalc.so")) << engine.LastError();
  auto get = engine.Lookup<GetPersonalFortuneFunction>("GetPersonalFortune");
  ASSERT_NE(get, nullptr);
  PersonalFortuneQuery query{1, kPersonalAspectHonsyou, "", ""};
  get(&query);
  EXPECT_EQ(std::string(query.text).substr(0, Sjis("あなたの隠れた世界は、").size()), Sjis("あなたの隠れた世界は、"));
}

TEST(GetPersonalFortune, EdgeCases) {
  PersonalFortuneQuery first = Ask(1, 1);
  EXPECT_EQ(std::string(first.text).find(Sjis("プライド、目的を性質として持ちます。")), Sjis("あなたの隠れた世界は、").size());
  EXPECT_STREQ(first.note, "");

  PersonalFortuneQuery work = Ask(1, 3);
  EXPECT_NE(work.text, kCallerText);
  EXPECT_EQ(work.note, nullptr);

  PersonalFortuneQuery noMoney = Ask(41, 10);
  EXPECT_EQ(noMoney.number, 41);
  EXPECT_EQ(noMoney.aspect, 10);
  EXPECT_EQ(noMoney.text, kCallerText);
  EXPECT_EQ(noMoney.note, kCallerNote);

  EXPECT_NE(Ask(41, 1).text, kCallerText);

  PersonalFortuneQuery empty = Ask(55, 3);
  EXPECT_STREQ(empty.text, "");
  EXPECT_NE(empty.text, kCallerText);
  EXPECT_STREQ(empty.note, "");

  GetPersonalFortune(nullptr);  // a null query is left alone
}

// Over every number and the aspects around 1 to 11, a row is found exactly for numbers
// 1 to 60 under aspects 1 to 9 and numbers 1 to 40 under 10 and 11; where none is found
// the record keeps the caller's pointers, where one is found it holds a text.
TEST(GetPersonalFortune, FindsExactlyTheRowsThatExist) {
  const std::int32_t aspects[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 2, 3, 4, 5, 6,
                                  7, 8, 9, 10, 11, 12, 65537, std::numeric_limits<std::int32_t>::max()};
  int found = 0;
  for (std::uint32_t number = 0; number <= 0xFFFF; ++number) {
    for (std::int32_t aspect : aspects) {
      PersonalFortuneQuery query = Ask(static_cast<std::uint16_t>(number), aspect);
      const bool expected = number >= 1 && aspect >= 1 && aspect <= 11 && number <= (aspect >= 10 ? 40u : 60u);
      const bool written = query.text != kCallerText;
      if (written != expected || (!written && query.note != kCallerNote) || (written && query.text == nullptr)) {
        ADD_FAILURE() << number << "/" << aspect;
        return;
      }
      found += written;
    }
  }
  EXPECT_EQ(found, 620);
}

}  // namespace
