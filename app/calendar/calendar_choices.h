// The calendar's two choices of reckoning — which holiday rules and which old calendar —
// and whether the cells show the almanac's days, with their keys in the "Display"
// section of Calendar.ini / Calendar.ior, read and written after the sixteen display
// and colour keys.
#pragma once

#include <string>
#include <vector>

#include "platform/core/ini_file.h"

namespace nuvaro::calendar {

inline constexpr char kChoicesSection[] = "Display";
// 1: holidays by the current law; 0: the fifteen-slot holiday table.
inline constexpr char kHolidayLawKey[] = "HolidayLaw";
inline constexpr int kHolidayLawDefault = 1;
// 1: old calendar and rokuyou from the ephemeris; 0: from the short series.
inline constexpr char kExactLunarKey[] = "ExactLunar";
inline constexpr int kExactLunarDefault = 1;
// 1: the day cells show their solar term, seasonal days and lucky days.
inline constexpr char kRekichuKey[] = "Rekichu";
inline constexpr int kRekichuDefault = 1;

struct CalendarChoices {
  bool currentHolidayLaw = kHolidayLawDefault != 0;
  bool exactLunar = kExactLunarDefault != 0;
  bool showAlmanac = kRekichuDefault != 0;

  bool operator==(const CalendarChoices&) const = default;
};

// Missing keys or file give the defaults; any non-zero number means on.
CalendarChoices ReadCalendarChoices(const platform::IniFile& ini);
// The same from a settings file anywhere.
CalendarChoices ReadCalendarChoicesFrom(const std::string& path);

// One stored choice: its key in kChoicesSection and the number the file holds for it.
struct CalendarChoiceValue {
  const char* key;
  int value;
};
// Every choice key with its value (1 or 0), in the order the file gets them.
std::vector<CalendarChoiceValue> CalendarChoiceValues(const CalendarChoices& choices);
// `text` (a whole settings file) with every choice key set.
std::string WithCalendarChoices(std::string text, const CalendarChoices& choices);
// Writes every choice key in one safe save; false when the file cannot be written.
bool WriteCalendarChoices(const platform::IniFile& ini, const CalendarChoices& choices);

}  // namespace nuvaro::calendar
