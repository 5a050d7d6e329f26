#include "calendar/calendar_settings.h"

#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/file_system.h"
#include "platform/core/paths.h"
#include "platform/core/profile_file.h"

namespace nuvaro::calendar {

using S = CalendarSettings;

const CalendarSettingKey kCalendarReadOrder[16] = {
    {kDisplaySection, "Kao", &S::kao},
    {kDisplaySection, "Kantei", &S::kantei},
    {kDisplaySection, "Kyujitu", &S::kyujitu},
    {kDisplaySection, "Kyureki", &S::kyureki},
    {kDisplaySection, "Rokuyou", &S::rokuyou},
    {kColorSection, "Background", &S::background},
    {kColorSection, "HolidayBackground", &S::holidayBackground},
    {kColorSection, "Holiday", &S::holiday},
    {kColorSection, "WeekBackground", &S::weekBackground},
    {kColorSection, "Week", &S::week},
    {kColorSection, "Rokuyou", &S::rokuyouColour},
    {kColorSection, "OldCalendar", &S::oldCalendarColour},
    {kColorSection, "Frame", &S::frame},
    {kColorSection, "WeekDate", &S::weekDate},
    {kColorSection, "HolidayDate", &S::holidayDate},
    {kColorSection, "Data", &S::data},
};

const CalendarSettingKey kCalendarWriteOrder[16] = {
    {kDisplaySection, "Kao", &S::kao},
    {kDisplaySection, "Kantei", &S::kantei},
    {kDisplaySection, "Kyujitu", &S::kyujitu},
    {kDisplaySection, "Kyureki", &S::kyureki},
    {kDisplaySection, "Rokuyou", &S::rokuyou},
    {kColorSection, "WeekBackground", &S::weekBackground},
    {kColorSection, "Week", &S::week},
    {kColorSection, "Rokuyou", &S::rokuyouColour},
    {kColorSection, "OldCalendar", &S::oldCalendarColour},
    {kColorSection, "HolidayBackground", &S::holidayBackground},
    {kColorSection, "Holiday", &S::holiday},
    {kColorSection, "Frame", &S::frame},
    {kColorSection, "WeekDate", &S::weekDate},
    {kColorSection, "HolidayDate", &S::holidayDate},
    {kColorSection, "Data", &S::data},
    {kColorSection, "Background", &S::background},
};

platform::IniFile CalendarIniFile() {
  platform::IniFile file;
  file.SetFileName(kCalendarIniName);
  return file;
}

CalendarSettings ReadCalendarSettings(const platform::IniFile& file) { return ReadCalendarSettingsFrom(file.Path()); }

CalendarSettings ReadCalendarSettingsFrom(const std::string& path) {
  const CalendarSettings defaults;
  CalendarSettings settings;
  for (const CalendarSettingKey& key : kCalendarReadOrder) {
    settings.*key.field = platform::GetPrivateProfileInt(key.section, key.key, defaults.*key.field, path);
  }
  settings.choices = ReadCalendarChoicesFrom(path);
  return settings;
}

bool WriteCalendarSettings(const platform::IniFile& file, const CalendarSettings& settings) {
  const std::string& path = file.Path();
  std::optional<std::string> before = platform::ReadWholeFile(path);
  bool written = true;
  for (const CalendarSettingKey& key : kCalendarWriteOrder) {
    written = file.WriteInt(key.section, key.key, settings.*key.field);
    if (!written) break;
  }
  if (written) written = WriteCalendarChoices(file, settings.choices);
  if (!written) {
    // Put the file back as the user had it.
    if (before) {
      platform::WriteWholeFileSafely(path, *before);
    } else {
      std::error_code ignored;
      if (std::filesystem::is_regular_file(path, ignored)) std::filesystem::remove(path, ignored);
    }
  }
  return written;
}

bool RestoreFactoryCalendarSettings(const platform::IniFile& file) {
  std::string factory = platform::ProgramFile(kCalendarFactoryName);
  if (!platform::FileExists(factory)) return false;
  return platform::CopyFileOverwrite(factory, file.Path());
}

}  // namespace nuvaro::calendar
