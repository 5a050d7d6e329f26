// The reckoning options of the calendar commands: --law current|original and
// --lunar exact|arithmetic, in any order before the command's own arguments.
#pragma once

#include <string>
#include <vector>

namespace nuvaro::cli {

struct CalendarOptions {
  bool currentLaw = false;  // without the option: the fifteen-slot holiday table
  bool exactLunar = false;  // without the option: the short-series old calendar
  std::vector<std::string> rest;
  std::string error;  // set when an option or its value is wrong
};

CalendarOptions ParseCalendarOptions(const std::vector<std::string>& args);

}  // namespace nuvaro::cli
