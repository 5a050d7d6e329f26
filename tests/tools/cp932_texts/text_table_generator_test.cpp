// The CP932 text generator: headers made by the build rule hold exactly the CP932 bytes of
// the UTF-8 texts (trail bytes 0x5C, escapes, extensions, both constant styles, reading
// tables with shared and split entries), and malformed input stops the build without a
// header.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>

#include "plain_texts.h"
#include "plain_view_texts.h"
#include "reading_texts.h"
#include "temp_dir.h"
#include "test_text.h"

namespace nuvaro::testing {
namespace {

template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST(Cp932TextGenerator, SingleTextsAreExactCp932InBothStyles) {
  struct Case {
    std::string name;
    std::string array;
    std::string_view view;
    std::string utf8;
  };
  const Case cases[] = {
      {"ascii", Bytes(plain_texts::kAscii), plain_view_texts::kAscii, "Ver.1.0 (ok?)"},
      {"escapes", Bytes(plain_texts::kEscapes), plain_view_texts::kEscapes, "say \"hi\"\nback\\slash"},
      {"trail 0x5C", Bytes(plain_texts::kTrailBackslash), plain_view_texts::kTrailBackslash, "ソ表能"},
      {"extensions", Bytes(plain_texts::kExtensions), plain_view_texts::kExtensions, "①髙～－"},
      {"spaces kept", Bytes(plain_texts::kSpaces), plain_view_texts::kSpaces, "　元　日 "},
      {"empty", Bytes(plain_texts::kEmpty), plain_view_texts::kEmpty, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.array, Sjis(c.utf8));
    EXPECT_EQ(std::string(c.view), Sjis(c.utf8));
  }
  // Each of these characters ends in the byte of a backslash; none may be lost or merged.
  EXPECT_EQ(plain_texts::kTrailBackslash[1], '\\');
  EXPECT_EQ(plain_texts::kTrailBackslash[3], '\\');
  EXPECT_EQ(plain_texts::kTrailBackslash[5], '\\');
  EXPECT_EQ(sizeof plain_texts::kTrailBackslash, 7u);
  static_assert(std::is_same_v<decltype(plain_view_texts::kAscii), const std::string_view>);
}

TEST(Cp932TextGenerator, ReadingTablesHoldEveryEntryAndListThemByName) {
  using namespace reading_texts;
  EXPECT_EQ(Bytes(shared), Sjis("共通"));  // from the included file
  EXPECT_EQ(Bytes(caption), Sjis("相性"));

  const std::string expected[23] = {"見出し", "同じ", "同じ", "同じ", "四", "五六", "五六", "七", "八", "九", "十",
                                    "", "", "", "", "五六", "", "", "", "", "", "二十一", "二十二"};
  for (int index = 0; index < 23; ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(kTable.entries[index].key, index);
    EXPECT_EQ(std::string(kTable.entries[index].text), Sjis(expected[index]));
    bool reading = index <= 10 || index == 15 || index >= 21;
    EXPECT_EQ(std::string(kOther.entries[index].text), reading && index > 0 ? Sjis("全部") : index == 0 ? Sjis("他") : "");
  }

  ASSERT_EQ(std::size(kTexts), 2u);
  EXPECT_STREQ(kTexts[0].name, "shared");
  EXPECT_STREQ(kTexts[1].name, "caption");
  EXPECT_EQ(kTexts[1].text, caption);
  ASSERT_EQ(std::size(kTables), 2u);
  EXPECT_STREQ(kTables[0].name, "kTable");
  EXPECT_EQ(kTables[1].table, &kOther);
}

// Runs the generator on one input file; the exit status and whether a header was written.
struct GeneratorRun {
  int status;
  bool wrote;
};

GeneratorRun Generate(const TempDir& dir, const std::string& input, const std::string& options = "") {
  std::string header = dir.File("out.h");
  std::filesystem::remove(header);
  std::string command = std::string(NUVARO_TEXT_GENERATOR) + " '" + dir.File(input) + "' '" + header +
                        "' nuvaro::x " + options + " 2>/dev/null";
  int status = std::system(command.c_str());
  return {status, std::filesystem::exists(header)};
}

constexpr std::string_view kFullTable =
    "[t]\n0 = \"a\"\n1,2,3,4,5,6,7,8,9,10 = \"b\"\n15 = \"c\"\n21 = \"d\"\n22 = \"e\"\n";

TEST(Cp932TextGenerator, RefusesMalformedInputAndWritesNothing) {
  struct Case {
    std::string name;
    std::string input;
    std::string options;
  };
  const Case cases[] = {
      {"no CP932 form", "k = \"\xF0\x9F\x98\x80\"\n", ""},
      {"no way back from CP932", "k = \"\xE2\x88\x92\"\n", ""},  // U+2212 comes back as U+FF0D
      {"invalid UTF-8", "k = \"\xE3\x81\"\n", ""},
      {"unknown escape", "k = \"a\\tb\"\n", ""},
      {"tab inside a text", "k = \"a\tb\"\n", ""},
      {"missing closing quote", "k = \"abc\n", ""},
      {"escaped closing quote", "k = \"abc\\\"\n", ""},
      {"unquoted text", "k = abc\n", ""},
      {"no equals sign", "k \"abc\"\n", ""},
      {"old tab format", "kName\tabc\n", ""},
      {"name used twice", "k = \"a\"\nk = \"b\"\n", ""},
      {"entry outside a table", "1 = \"a\"\n", ""},
      {"table without entry 22",
       "[t]\n0 = \"a\"\n1,2,3,4,5,6,7,8,9,10 = \"b\"\n15 = \"c\"\n21 = \"d\"\n", ""},
      {"entry that must stay empty", std::string(kFullTable) + "12 = \"x\"\n", ""},
      {"entry given twice", std::string(kFullTable) + "3 = \"x\"\n", ""},
      {"table name not an identifier", "[1t]\n", ""},
      {"table with string views", std::string(kFullTable), "--string-view"},
      {"unknown option", "k = \"a\"\n", "--wide"},
      {"missing include", "@include nowhere.texts\n", ""},
      {"include of itself", "@include in.texts\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("in.texts", c.input);
    GeneratorRun run = Generate(dir, "in.texts", c.options);
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.wrote);
  }
  // The well-formed counterparts are accepted, so the failures above are the input's.
  TempDir dir;
  dir.Write("in.texts", std::string("k = \"a\"\n") + std::string(kFullTable));
  GeneratorRun run = Generate(dir, "in.texts");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.wrote);
}

}  // namespace
}  // namespace nuvaro::testing
