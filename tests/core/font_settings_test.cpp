#include "core/font_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_folder.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

TEST(FontSettings, DefaultsWhenTheFileOrTheKeyIsMissing) {
  testing::ProgramFolder folder;
  FontSettings none = ReadFontSettings(folder.File("nuvaro.ini"));
  EXPECT_EQ(Utf8(none.guideFontName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(Utf8(none.nuvaroFontName), "ＭＳ 明朝");
  EXPECT_EQ(Utf8(none.contentsFontName), "ＭＳ ゴシック");

  std::string path = folder.Write("nuvaro.ini", Sjis("[Font]\r\nNuvaroFontName=IPA明朝\r\n"));
  FontSettings some = ReadFontSettings(path);
  EXPECT_EQ(Utf8(some.guideFontName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(Utf8(some.nuvaroFontName), "IPA明朝");
  EXPECT_EQ(Utf8(some.contentsFontName), "ＭＳ ゴシック");
}

TEST(FontSettings, AnEmptyValueIsNotTheDefault) {
  testing::ProgramFolder folder;
  std::string path = folder.Write("nuvaro.ini", "[Font]\r\nGuideFontName=\r\nContentsFontName=Sans\r\n");
  FontSettings settings = ReadFontSettings(path);
  EXPECT_EQ(settings.guideFontName, "");
  EXPECT_EQ(settings.contentsFontName, "Sans");
}

TEST(FontSettings, LongValuesAreCutTo499Bytes) {
  testing::ProgramFolder folder;
  std::string path = folder.Write("nuvaro.ini", "[Font]\nGuideFontName=" + std::string(600, 'g') + "\n");
  EXPECT_EQ(ReadFontSettings(path).guideFontName, std::string(499, 'g'));
}

TEST(FontSettings, TheProgramFoldersFileNamesTheThreeFonts) {
  FontSettings built = ReadFontSettings((testing::ProgramFolder::BuiltProgramFolder() / "nuvaro.ini").string());
  EXPECT_EQ(Utf8(built.guideFontName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(Utf8(built.nuvaroFontName), "ＭＳ 明朝");
  EXPECT_EQ(Utf8(built.contentsFontName), "ＭＳ ゴシック");
}

TEST(FontSettings, ProgramSettingsAreReadFromBesideTheProgram) {
  testing::ProgramFolder folder;
  folder.Write("nuvaro.ini", "[Font]\nGuideFontName=Beside\n");
  EXPECT_EQ(ReadProgramSetting("Font", "GuideFontName", "x"), "Beside");
  EXPECT_EQ(ReadProgramSetting("Font", "Missing", "x"), "x");
}

}  // namespace
}  // namespace nuvaro::core
