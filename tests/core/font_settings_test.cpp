#include "core/font_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "program_folder.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

TEST(FontSettings, DefaultsOnlyWhereTheFileOrTheKeyIsMissing) {
  testing::ProgramFolder folder;
  FontSettings none = ReadFontSettings(folder.File("nuvaro.ini"));
  EXPECT_EQ(Utf8(none.guideFontName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(Utf8(none.nuvaroFontName), "ＭＳ 明朝");
  EXPECT_EQ(Utf8(none.contentsFontName), "ＭＳ ゴシック");

  std::string path = folder.Write("nuvaro.ini", Sjis("[Font]\r\nGuideFontName=\r\nNuvaroFontName=IPA明朝\r\n"));
  FontSettings some = ReadFontSettings(path);
  EXPECT_EQ(some.guideFontName, "") << "an empty value is not the default";
  EXPECT_EQ(Utf8(some.nuvaroFontName), "IPA明朝");
  EXPECT_EQ(Utf8(some.contentsFontName), "ＭＳ ゴシック");

  path = folder.Write("nuvaro.ini", "[Font]\nGuideFontName=" + std::string(600, 'g') + "\n");
  EXPECT_EQ(ReadFontSettings(path).guideFontName, std::string(499, 'g'));
}

}  // namespace
}  // namespace nuvaro::core
