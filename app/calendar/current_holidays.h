// The Japanese public holidays of a year by today's holiday law and its history:
// fixed and moving holidays with the years they applied, the one-off holidays of the
// imperial house, substitute holidays and the days between two holidays.
#pragma once

#include <string>
#include <vector>

namespace nuvaro::calendar {

struct Holiday {
  int month = 0;
  int day = 0;
  std::string name;  // CP932
};

// The first year whose substitute holidays apply (from April 12 of that year on).
inline constexpr int kSubstituteHolidayFirstYear = 1973;

// The holidays of the year in date order. Meant for 1970 to 2099; years after 2099 use
// the same rules (the equinox formulas are not made for them).
std::vector<Holiday> CurrentLawHolidays(int year);

// The holiday on month/day, or nullptr.
const Holiday* FindCurrentLawHoliday(const std::vector<Holiday>& holidays, int month, int day);

}  // namespace nuvaro::calendar
