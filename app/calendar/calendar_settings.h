// The fortune calendar's display settings: five switches and eleven colours, then the
// two choices of reckoning, read from and written to Calendar.ini beside the program,
// with the factory copy Calendar.ior that a reset copies over it (the program never
// writes Calendar.ior).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/calendar_choices.h"
#include "platform/core/ini_file.h"

namespace nuvaro::calendar {

inline constexpr std::string_view kCalendarIniName = "Calendar.ini";
inline constexpr std::string_view kCalendarFactoryName = "Calendar.ior";
inline constexpr std::string_view kDisplaySection = "Display";
inline constexpr std::string_view kColorSection = "Color";

// Sixteen 32-bit values in this order, then the holiday rules and the old calendar the
// grid draws from. Switches: 0 off, anything else on. Colours are 0x00BBGGRR (red in
// the low byte).
struct CalendarSettings {
  std::int32_t kao = 1;                           // face picture in each cell
  std::int32_t kantei = 1;                        // the engine's day text
  std::int32_t kyujitu = 1;                       // holiday names
  std::int32_t kyureki = 1;                       // old-calendar label
  std::int32_t rokuyou = 1;                       // rokuyou name
  std::int32_t background = 0xFFFFFF;             // fill of the whole grid
  std::int32_t frame = 0xD6D6D6;                  // grid lines
  std::int32_t holidayBackground = 0x1800FF;      // Sunday header box
  std::int32_t holiday = 0xFFFFFF;                // Sunday header label
  std::int32_t weekBackground = 0x00E3FF;         // Monday to Saturday header boxes
  std::int32_t week = 0x800000;                   // Monday to Saturday header labels
  std::int32_t rokuyouColour = 0x800000;          // rokuyou name
  std::int32_t oldCalendarColour = 0x800000;      // old-calendar label
  std::int32_t holidayDate = 0x1E00FF;            // numbers of holidays and Sundays, holiday names
  std::int32_t weekDate = 0x800000;               // other day numbers
  std::int32_t data = 0;                          // the engine's day text
  CalendarChoices choices;                        // "HolidayLaw" and "ExactLunar"

  bool operator==(const CalendarSettings&) const = default;
};

// One stored value: where it lives in the file and which field holds it.
struct CalendarSettingKey {
  std::string_view section;
  std::string_view key;
  std::int32_t CalendarSettings::*field;
};

// The sixteen keys in the order they are read, and in the order they are written; the
// two keys of the choices follow them in both.
extern const CalendarSettingKey kCalendarReadOrder[16];
extern const CalendarSettingKey kCalendarWriteOrder[16];

// An IniFile pointed at Calendar.ini beside the program.
platform::IniFile CalendarIniFile();

// All eighteen values from the file; a missing file or key gives the default.
CalendarSettings ReadCalendarSettings(const platform::IniFile& file);
// The same from a settings file anywhere (the command-line export's --settings).
CalendarSettings ReadCalendarSettingsFrom(const std::string& path);

// `text` (a whole settings file, possibly empty) with all eighteen values set in the write
// order, every other line kept.
std::string CalendarSettingsFileText(std::string text, const CalendarSettings& settings);

// Writes all eighteen values in one safe save of the whole file. False, with the file
// as it was, when it cannot be read or written.
bool WriteCalendarSettings(const platform::IniFile& file, const CalendarSettings& settings);

enum class FactoryRestore { Restored, FactoryFileMissing, WriteFailed };

// Copies Calendar.ior over the file of `file` (the factory choice), in one safe save;
// the file stays as it was unless the answer is Restored.
FactoryRestore RestoreFactoryCalendarSettings(const platform::IniFile& file);

}  // namespace nuvaro::calendar
