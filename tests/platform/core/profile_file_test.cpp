#include "platform/core/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "file_faults.h"
#include "temp_dir.h"
#include "test_text.h"

namespace nuvaro::platform {
namespace {

using testing::Sjis;
using testing::TempDir;

const std::string kFontSection = "Font";

TEST(ProfileRead, StringValues) {
  TempDir dir;
  const std::string file = dir.Write("nuvaro.ini",
                                     "; settings\r\n"
                                     "[Font]\r\n"
                                     "GuideFontName = " + Sjis("ＭＳ Ｐゴシック") + "\r\n"
                                     "NuvaroFontName=\r\n"
                                     "Quoted=\"  spaced  \"\r\n"
                                     "[Other]\r\n"
                                     "ContentsFontName=elsewhere\r\n");
  struct Case {
    std::string section, key, expected;
  };
  const Case cases[] = {
      {"Font", "GuideFontName", Sjis("ＭＳ Ｐゴシック")},
      {"font", "guidefontname", Sjis("ＭＳ Ｐゴシック")},  // section and key ignore case
      {"Font", "NuvaroFontName", ""},                       // empty value, not the default
      {"Font", "Quoted", "  spaced  "},
      {"Font", "ContentsFontName", "default"},              // key of another section
      {"Missing", "GuideFontName", "default"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "default", file), c.expected) << c.section << "/" << c.key;
  }
  EXPECT_EQ(GetPrivateProfileString("Font", "GuideFontName", "default", dir.File("absent.ini")), "default");
}

TEST(ProfileRead, KeysWithTrailByteBackslashAndAsciiLookalikeTrailBytes) {
  // ソ is 0x83 0x5C and ア is 0x83 0x41: the trail bytes must neither end the key nor be
  // case-folded into another character (0x83 0x61 is ヂ... a different key).
  TempDir dir;
  const std::string file = dir.Write("k.ini", "[" + Sjis("表") + "]\n" + Sjis("ソア") + "=1\n" + Sjis("ソ") +
                                                  "\xE0\x61" "=2\n");
  EXPECT_EQ(GetPrivateProfileString(Sjis("表"), Sjis("ソア"), "-", file), "1");
  EXPECT_EQ(GetPrivateProfileString(Sjis("表"), Sjis("ソ") + "\x83\x61", "-", file), "-");
  EXPECT_EQ(GetPrivateProfileString(Sjis("表"), Sjis("ソ") + "\xE0\x41", "-", file), "-");
}

TEST(ProfileRead, LongValuesAreCutToTheBuffer) {
  TempDir dir;
  const std::string ascii(600, 'x');
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += Sjis("漢");
  const std::string file = dir.Write("long.ini", "[Font]\nA=" + ascii + "\nB=" + wide + "\n");
  EXPECT_EQ(GetPrivateProfileString("Font", "A", "", file), std::string(499, 'x'));
  // 499 bytes would split the 250th character: the value stops before it.
  EXPECT_EQ(GetPrivateProfileString("Font", "B", "", file).size(), 498u);
  EXPECT_EQ(GetPrivateProfileString("Font", "A", "", file, 10), std::string(9, 'x'));
}

TEST(ProfileRead, IntegersTakeTheLeadingDecimalNumber) {
  TempDir dir;
  const std::string file = dir.Write("n.ini",
                                     "[Color]\nFrame=14079702\nNeg=-5\nPlus=+7\nJunk=12abc\nWord=abc\n"
                                     "Empty=\nSpaced=  42  \nHuge=99999999999\n");
  struct Case {
    const char* key;
    int expected;
  };
  for (Case c : {Case{"Frame", 14079702}, Case{"Neg", -5}, Case{"Plus", 7}, Case{"Junk", 12}, Case{"Word", 0},
                 Case{"Empty", 0}, Case{"Spaced", 42}, Case{"Huge", 2147483647}, Case{"Missing", 77}}) {
    EXPECT_EQ(GetPrivateProfileInt("Color", c.key, 77, file), c.expected) << c.key;
  }
  EXPECT_EQ(GetPrivateProfileInt("Color", "Frame", 77, dir.File("absent.ini")), 77);
}

TEST(ProfileWrite, KeepsEveryOtherLine) {
  struct Case {
    const char* name;
    std::string before;
    std::string section, key, value;
    std::string after;
  };
  const Case cases[] = {
      {"replace in place", "; top\n[Display]\nKao=1\n; note\nKantei=1\n", "Display", "kao", "0",
       "; top\n[Display]\nkao=0\n; note\nKantei=1\n"},
      {"add to existing section before the next one", "[Display]\nKao=1\n\n[Color]\nFrame=1\n", "Display",
       "Kantei", "0", "[Display]\nKao=1\nKantei=0\n\n[Color]\nFrame=1\n"},
      {"new section at the end", "[Display]\nKao=1\n", "Color", "Data", "0",
       "[Display]\nKao=1\n[Color]\nData=0\n"},
      {"CRLF file stays CRLF", "[A]\r\nx=1\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"same key in another section untouched", "[Display]\nRokuyou=1\n[Color]\nRokuyou=8388608\n", "Color",
       "Rokuyou", "255", "[Display]\nRokuyou=1\n[Color]\nRokuyou=255\n"},
      {"CP932 value", "[Font]\n", "Font", "GuideFontName", Sjis("ＭＳ 明朝"),
       "[Font]\nGuideFontName=" + Sjis("ＭＳ 明朝") + "\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string file = dir.Write("w.ini", c.before);
    ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, file)) << c.name;
    EXPECT_EQ(dir.Read("w.ini"), c.after) << c.name;
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "-", file), c.value) << c.name;
  }
}

TEST(ProfileWrite, CreatesAMissingFileAndFailsInAMissingFolder) {
  TempDir dir;
  ASSERT_TRUE(WritePrivateProfileString("Display", "Kao", "1", dir.File("new.ini")));
  EXPECT_EQ(dir.Read("new.ini"), "[Display]\nKao=1\n");
  EXPECT_FALSE(WritePrivateProfileString("Display", "Kao", "1", dir.File("no/such/folder.ini")));
}

TEST(ProfileWrite, NeverReplacesAFileItCannotRead) {
  TempDir dir;
  const std::string settings = "[Display]\nKao=0\nKantei=0\n[Color]\nFrame=255\n";
  const std::string file = dir.Write("Calendar.ini", settings);
  chmod(file.c_str(), 0200);  // writable, not readable
  testing::ObeyFilePermissions obey;
  EXPECT_FALSE(WritePrivateProfileString("Display", "Kao", "1", file));
  chmod(file.c_str(), 0600);
  EXPECT_EQ(dir.Read("Calendar.ini"), settings);
}

}  // namespace
}  // namespace nuvaro::platform
