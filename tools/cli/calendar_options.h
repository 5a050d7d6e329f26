// The reckoning options of the calendar commands: --law current|original and
// --lunar exact|arithmetic, in any order before the command's own arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::cli {

struct CalendarOptions {
  bool currentLaw = false;  // without the option: the fifteen-slot holiday table
  bool exactLunar = false;  // without the option: the short-series old calendar
  std::vector<std::string> rest;
  std::string error;  // set when an option or its value is wrong
};

CalendarOptions ParseCalendarOptions(const std::vector<std::string>& args);

struct IsoDate {
  int year;
  int month;
  int day;
};
// A valid date of the years 1 to 9999 written YYYY-MM-DD.
std::optional<IsoDate> ParseIsoDate(std::string_view text);

}  // namespace nuvaro::cli
