// Calendar.ini: defaults, switches, the sixteen keys written in decimal, a failed save
// that leaves the old file, and the reset from Calendar.ior.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calendar/calendar_settings.h"
#include "program_folder.h"

namespace {

using namespace nuvaro::calendar;
using nuvaro::testing::ProgramFolder;

TEST(CalendarSettingsTest, ReadsDefaultsAndSwitches) {
  ProgramFolder folder;
  nuvaro::platform::IniFile file = CalendarIniFile();
  EXPECT_EQ(file.Path(), folder.File("Calendar.ini"));
  EXPECT_EQ(ReadCalendarSettings(file), CalendarSettings{});  // no file: every default
  CalendarSettings defaults;
  EXPECT_EQ(defaults.holidayBackground, 1573119);
  EXPECT_EQ(defaults.frame, 14079702);

  // "0" switches an item off, any other leading number on; colours read in decimal; a
  // colour "Rokuyou" and a switch "Rokuyou" live in their own sections.
  folder.Write("Calendar.ini",
               "[Display]\nKao=0\nKantei=7\nkyujitu=0\nRokuyou=0\n[Color]\nRokuyou=255\nFrame=12abc\nData=\n");
  CalendarSettings read = ReadCalendarSettings(file);
  EXPECT_EQ(read.kao, 0);
  EXPECT_EQ(read.kantei, 7);
  EXPECT_EQ(read.kyujitu, 0);
  EXPECT_EQ(read.kyureki, 1);
  EXPECT_EQ(read.rokuyou, 0);
  EXPECT_EQ(read.rokuyouColour, 255);
  EXPECT_EQ(read.frame, 12);
  EXPECT_EQ(read.data, 0);
  EXPECT_EQ(read.background, 0xFFFFFF);
}

TEST(CalendarSettingsTest, WritesAllKeysInDecimalTheChoicesLast) {
  ProgramFolder folder;
  nuvaro::platform::IniFile file = CalendarIniFile();
  CalendarSettings settings;
  settings.kao = 0;
  settings.data = 0x123456;
  settings.choices = CalendarChoices{false, true};
  ASSERT_TRUE(WriteCalendarSettings(file, settings));
  EXPECT_EQ(folder.Read("Calendar.ini"),
            "[Display]\nKao=0\nKantei=1\nKyujitu=1\nKyureki=1\nRokuyou=1\nHolidayLaw=0\nExactLunar=1\nRekichu=1\n"
            "[Color]\nWeekBackground=58367\nWeek=8388608\nRokuyou=8388608\nOldCalendar=8388608\n"
            "HolidayBackground=1573119\nHoliday=16777215\nFrame=14079702\nWeekDate=8388608\n"
            "HolidayDate=1966335\nData=1193046\nBackground=16777215\n");
  EXPECT_EQ(ReadCalendarSettings(file), settings);
}

TEST(CalendarSettingsTest, AFailedSaveAnswersFalseAndLeavesWhatWasThere) {
  ProgramFolder folder;
  // Calendar.ini is a folder here: nothing can be written, and nothing may be removed.
  std::filesystem::create_directory(folder.File("Calendar.ini"));
  EXPECT_FALSE(WriteCalendarSettings(CalendarIniFile(), CalendarSettings{}));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("Calendar.ini")));
}

TEST(CalendarSettingsTest, ResetCopiesTheFactoryFileOrFailsSilently) {
  ProgramFolder folder;
  nuvaro::platform::IniFile file = CalendarIniFile();
  folder.Write("Calendar.ini", "[Display]\nKao=0\n");
  EXPECT_FALSE(RestoreFactoryCalendarSettings(file));  // no Calendar.ior
  EXPECT_EQ(folder.Read("Calendar.ini"), "[Display]\nKao=0\n");
  const std::string factory = "[Display]\r\nKao=1\r\nKantei=0\r\n[Color]\r\nData=255\r\n";
  folder.Write("Calendar.ior", factory);
  EXPECT_TRUE(RestoreFactoryCalendarSettings(file));
  EXPECT_EQ(folder.Read("Calendar.ini"), factory);
  EXPECT_EQ(folder.Read("Calendar.ior"), factory);
  CalendarSettings read = ReadCalendarSettings(file);
  EXPECT_EQ(read.kantei, 0);
  EXPECT_EQ(read.data, 255);
}

}  // namespace
