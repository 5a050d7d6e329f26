// Calendar.ini: defaults, switches, the sixteen keys written in decimal in one save, a
// failed save that leaves the old file, and the reset from Calendar.ior.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "calendar/calendar_settings.h"
#include "file_faults.h"
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

// Every way a save can fail leaves the file byte for byte as it was and no temporary
// file beside it: a folder in its place, a full disk part-way through, a process killed
// part-way through (by the file-size signal, at the first write past the limit), a file
// that cannot be read (it must not be rewritten as if empty).
TEST(CalendarSettingsTest, AFailedSaveAnswersFalseAndLeavesWhatWasThere) {
  const std::string before = "; mine\n[Display]\nKao=0\n[Other]\nKeep=1\n";
  enum class Fault { Folder, DiskFull, Killed, Unreadable };
  for (Fault fault : {Fault::Folder, Fault::DiskFull, Fault::Killed, Fault::Unreadable}) {
    ProgramFolder folder;
    CalendarSettings settings;
    settings.kao = 1;
    if (fault == Fault::Folder) {
      std::filesystem::create_directory(folder.File("Calendar.ini"));
      EXPECT_FALSE(WriteCalendarSettings(CalendarIniFile(), settings));
      EXPECT_TRUE(std::filesystem::is_directory(folder.File("Calendar.ini")));
    } else {
      folder.Write("Calendar.ini", before);
      bool written = true;
      if (fault == Fault::DiskFull) {
        nuvaro::testing::DiskFullAfter full(before.size() + 40);
        written = WriteCalendarSettings(CalendarIniFile(), settings);
      } else if (fault == Fault::Killed) {
        const pid_t child = fork();
        if (child == 0) {
          rlimit limit{before.size() + 40, before.size() + 40};
          setrlimit(RLIMIT_FSIZE, &limit);
          signal(SIGXFSZ, SIG_DFL);
          WriteCalendarSettings(CalendarIniFile(), settings);
          _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        written = false;
        // A killed save may leave its temporary file behind; what counts is the file itself.
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
          if (entry.path().filename() != "Calendar.ini") std::filesystem::remove(entry.path());
        }
      } else {
        std::filesystem::permissions(folder.File("Calendar.ini"), std::filesystem::perms::none);
        nuvaro::testing::ObeyFilePermissions obey;
        written = WriteCalendarSettings(CalendarIniFile(), settings);
        std::filesystem::permissions(folder.File("Calendar.ini"), std::filesystem::perms::owner_all);
      }
      EXPECT_FALSE(written) << static_cast<int>(fault);
      EXPECT_EQ(folder.Read("Calendar.ini"), before) << static_cast<int>(fault);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << static_cast<int>(fault);
  }
}

TEST(CalendarSettingsTest, ASaveKeepsForeignLinesAndLineEnds) {
  ProgramFolder folder;
  folder.Write("Calendar.ini", "; mine\r\n[Color]\r\nData=5\r\n[Other]\r\nKeep=1\r\n");
  ASSERT_TRUE(WriteCalendarSettings(CalendarIniFile(), CalendarSettings{}));
  const std::string after = folder.Read("Calendar.ini");
  // A key already there is set in its place; a missing one joins the end of its section.
  EXPECT_EQ(after.rfind("; mine\r\n[Color]\r\nData=0\r\nWeekBackground=58367\r\n", 0), 0u) << after;
  EXPECT_NE(after.find("[Other]\r\nKeep=1\r\n[Display]\r\nKao=1\r\n"), std::string::npos) << after;
  EXPECT_EQ(after.find("Data=5"), std::string::npos);
}

TEST(CalendarSettingsTest, ResetCopiesTheFactoryFileOrSaysWhyNot) {
  ProgramFolder folder;
  nuvaro::platform::IniFile file = CalendarIniFile();
  folder.Write("Calendar.ini", "[Display]\nKao=0\n");
  EXPECT_EQ(RestoreFactoryCalendarSettings(file), FactoryRestore::FactoryFileMissing);
  EXPECT_EQ(folder.Read("Calendar.ini"), "[Display]\nKao=0\n");
  const std::string factory = "[Display]\r\nKao=1\r\nKantei=0\r\n[Color]\r\nData=255\r\n";
  folder.Write("Calendar.ior", factory);
  {
    nuvaro::testing::DiskFullAfter full(10);
    EXPECT_EQ(RestoreFactoryCalendarSettings(file), FactoryRestore::WriteFailed);
  }
  EXPECT_EQ(folder.Read("Calendar.ini"), "[Display]\nKao=0\n");
  EXPECT_EQ(RestoreFactoryCalendarSettings(file), FactoryRestore::Restored);
  EXPECT_EQ(folder.Read("Calendar.ini"), factory);
  EXPECT_EQ(folder.Read("Calendar.ior"), factory);
  CalendarSettings read = ReadCalendarSettings(file);
  EXPECT_EQ(read.kantei, 0);
  EXPECT_EQ(read.data, 255);
}

}  // namespace
