#include "core/cp932_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

TEST(Cp932Text, SlotsAreFoundOnCharacterBoundaries) {
  EXPECT_EQ(Utf8(FormatText(Sjis("モジュール:%sが存在しません"), "libNuvacalc.so")), "モジュール:libNuvacalc.soが存在しません");
  EXPECT_EQ(Utf8(FormatText(Sjis("< %s >ファイルにメンバーリストが保存されました"), "all.lst")),
            "< all.lst >ファイルにメンバーリストが保存されました");
  // A byte right after a lead byte is that character's trail byte, never a slot.
  EXPECT_EQ(FormatText("\x83%s", "X"), "\x83%s");
  EXPECT_EQ(FormatText("none", "X"), "none");
  EXPECT_EQ(Utf8(FormatNumber(Sjis("%d 方向"), 3)), "3 方向");
  EXPECT_EQ(FormatText("%s and %s", "a"), "a and %s");
}

TEST(Cp932Text, CutsNeverSplitACharacter) {
  const std::string text = "a" + Sjis("表能");  // 5 bytes
  const std::vector<std::pair<std::size_t, std::string>> cases = {
      {0, ""}, {1, "a"}, {2, "a"}, {3, "a" + Sjis("表")}, {4, "a" + Sjis("表")}, {5, text}, {99, text}};
  for (const auto& [limit, expected] : cases) EXPECT_EQ(CutText(text, limit), expected) << limit;
}

TEST(Cp932Text, SingleByteSearchSkipsTrailBytes) {
  const std::string text = Sjis("表") + "\\" + Sjis("ソ");  // 0x95 0x5C, then a real backslash
  EXPECT_EQ(FindSingleByte(text, '\\'), 2u);
  EXPECT_EQ(FindSingleByte("a,b,c", ',', 2), 3u);
  EXPECT_EQ(FindSingleByte(Sjis("表"), '\\'), std::string::npos);
}

TEST(Cp932Text, ComparisonIsByCharacter) {
  struct Case {
    std::string a;
    std::string b;
    int sign;
  };
  const std::vector<Case> cases = {
      {"aMatch.nvr", "bMatch.nvr", -1},
      {"Match.nvr", "match.nvr", -1},  // upper case before lower case
      {"abc", "abc", 0},
      {"ab", "abc", -1},
      {Sjis("ｱ"), Sjis("亜"), -1},  // half-width katakana (0xB1) before every two-byte character
      {Sjis("亜"), "z", 1},
      {Sjis("能"), Sjis("表"), -1},  // 0x945C before 0x955C
  };
  for (const auto& c : cases) {
    int result = CompareCp932(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << Utf8(c.a) << " / " << Utf8(c.b);
    int reverse = CompareCp932(c.b, c.a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign);
  }
}

TEST(Cp932Text, PathsInMessagesAreShownInCp932) {
  EXPECT_EQ(DisplayPath("/tmp/a.lst"), "/tmp/a.lst");
  EXPECT_EQ(DisplayPath("/tmp/名前.lst"), "/tmp/" + Sjis("名前") + ".lst");
  EXPECT_EQ(DisplayPath("/tmp/\xFF.lst"), "/tmp/\xFF.lst") << "bytes that are not UTF-8 stay as they are";
}

}  // namespace
}  // namespace nuvaro::core
