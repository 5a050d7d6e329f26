#include "core/cp932_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

TEST(Cp932Text, CharacterBoundariesAreRespected) {
  EXPECT_EQ(FormatText("\x83%s", "X"), "\x83%s") << "a byte after a lead byte is its trail byte, no slot";
  EXPECT_EQ(FindSingleByte(Sjis("表") + "\\", '\\'), 2u) << "0x5C as a trail byte is skipped";
  const std::string text = "a" + Sjis("表能");  // 5 bytes
  EXPECT_EQ(CutText(text, 2), "a");
  EXPECT_EQ(CutText(text, 4), "a" + Sjis("表"));
  EXPECT_EQ(DisplayPath("/tmp/名前.lst"), "/tmp/" + Sjis("名前") + ".lst");
}

TEST(Cp932Text, ComparisonIsByCharacter) {
  const std::vector<std::pair<std::string, std::string>> ascending = {
      {"aMatch.nvr", "bMatch.nvr"},
      {"Match.nvr", "match.nvr"},  // upper case before lower case
      {"ab", "abc"},
      {Sjis("ｱ"), Sjis("亜")},  // half-width katakana (0xB1) before every two-byte character
      {Sjis("能"), Sjis("表")},  // 0x945C before 0x955C
  };
  for (const auto& [low, high] : ascending) {
    EXPECT_LT(CompareCp932(low, high), 0) << Utf8(low) << " / " << Utf8(high);
    EXPECT_GT(CompareCp932(high, low), 0) << Utf8(low) << " / " << Utf8(high);
  }
}

}  // namespace
}  // namespace nuvaro::core
