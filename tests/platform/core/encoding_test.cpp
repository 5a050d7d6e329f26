#include "platform/core/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace nuvaro::platform {
namespace {

TEST(Cp932LeadByte, RangesOfTheTwoByteCharacters) {
  struct Case {
    unsigned char byte;
    bool lead;
  };
  for (Case c : {Case{0x80, false}, Case{0x81, true}, Case{0x9F, true}, Case{0xA0, false}, Case{0xDF, false},
                 Case{0xE0, true}, Case{0xFC, true}, Case{0xFD, false}, Case{0x5C, false}, Case{0x41, false}}) {
    EXPECT_EQ(IsCp932LeadByte(c.byte), c.lead) << std::hex << int(c.byte);
  }
}

TEST(Cp932Conversion, RoundTripsNamesAndExtensionRows) {
  struct Case {
    const char* utf8;
    std::string cp932;
  };
  const Case cases[] = {
      {"山田 太郎", "\x8E\x52\x93\x63\x20\x91\xBE\x98\x59"},
      {"表ソ能", "\x95\x5C\x83\x5C\x94\x5C"},  // 0x5C trail bytes
      {"髙", "\xFB\xFC"},                    // IBM extension row
      {"ｱｲｳ", "\xB1\xB2\xB3"},               // half-width katakana
      {"\xEF\xA8\x92", "\xFA\xD8"},          // U+FA12 keeps its own code, no folding to 晴
      {"～", "\x81\x60"},
  };
  for (const Case& c : cases) {
    auto bytes = Utf8ToCp932(c.utf8);
    ASSERT_TRUE(bytes.has_value()) << c.utf8;
    EXPECT_EQ(*bytes, c.cp932) << c.utf8;
    auto back = Cp932ToUtf8(*bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c.utf8);
  }
}

TEST(Cp932Conversion, NecSelectedCodeDecodesLikeItsIbmTwin) {
  // ED 40 (NEC-selected) and FA 5C (IBM) are the same character.
  EXPECT_EQ(Cp932ToUtf8("\xED\x40"), Cp932ToUtf8("\xFA\x5C"));
}

TEST(Cp932Conversion, RejectsWhatCannotBeConverted) {
  EXPECT_FALSE(Utf8ToCp932("\xF0\xA0\xAE\xB7").has_value());  // 𠮷 has no CP932 code
  EXPECT_FALSE(Utf8ToCp932("\xE2\x98\x83x").has_value());       // U+2603 snowman
  EXPECT_FALSE(Utf8ToCp932("\xC3").has_value());                // truncated UTF-8
  EXPECT_FALSE(Cp932ToUtf8("\x82").has_value());                // lone lead byte
  EXPECT_FALSE(Cp932ToUtf8("\x85\x40").has_value());            // unassigned row
  EXPECT_EQ(Cp932ToUtf8Lossy("a\x85\x40"), "a\xEF\xBF\xBD\x40");
}

TEST(Cp932SafePrefix, NeverEndsInsideATwoByteCharacter) {
  const std::string text = "a\x95\x5C" "b";  // a 表 b
  EXPECT_EQ(Cp932SafePrefixLength(text, 0), 0u);
  EXPECT_EQ(Cp932SafePrefixLength(text, 1), 1u);
  EXPECT_EQ(Cp932SafePrefixLength(text, 2), 1u);
  EXPECT_EQ(Cp932SafePrefixLength(text, 3), 3u);
  EXPECT_EQ(Cp932SafePrefixLength(text, 10), 4u);
}

}  // namespace
}  // namespace nuvaro::platform
