#include "calendar/calendar_settings.h"

#include <optional>
#include <string>
#include <utility>

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

std::string CalendarSettingsFileText(std::string text, const CalendarSettings& settings) {
  for (const CalendarSettingKey& key : kCalendarWriteOrder) {
    text = platform::SetProfileValue(text, key.section, key.key, std::to_string(settings.*key.field));
  }
  return WithCalendarChoices(std::move(text), settings.choices);
}

bool WriteCalendarSettings(const platform::IniFile& file, const CalendarSettings& settings) {
  // One safe save of the whole file: a failure anywhere leaves the file as it was, and
  // a crash leaves either the old settings or the new ones, never a mix.
  const std::string& path = file.Path();
  std::optional<std::string> before = platform::ReadProfileForRewrite(path);
  if (!before) return false;
  return platform::WriteWholeFileSafely(path, CalendarSettingsFileText(std::move(*before), settings));
}

FactoryRestore RestoreFactoryCalendarSettings(const platform::IniFile& file) {
  std::optional<std::string> factory = platform::ReadWholeFile(platform::ProgramFile(kCalendarFactoryName));
  if (!factory) return FactoryRestore::FactoryFileMissing;
  if (!platform::WriteWholeFileSafely(file.Path(), *factory)) return FactoryRestore::WriteFailed;
  return FactoryRestore::Restored;
}

}  // namespace nuvaro::calendar
