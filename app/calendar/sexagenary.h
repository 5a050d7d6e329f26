// Sexagenary names (干支) of a year, a month and a day, and the earthly-branch number
// the fortune engine takes. Names are CP932, two characters (four bytes) each.
#pragma once

#include <string>
#include <string_view>

namespace nuvaro::calendar {

inline constexpr int kSexagenaryCycle = 60;

struct SexagenaryNameSet {
  std::string year;
  std::string month;
  std::string day;
};

// Entry k (1 to 60) of the cycle: stem (k - 1) mod 10 followed by branch (k - 1) mod 12;
// 1 is 甲子, 60 is 癸亥. Any other k gives the empty string.
std::string SexagenaryName(int k);

// The names of the year, of the civil month (no solar-term boundary) and of the day.
SexagenaryNameSet SexagenaryNames(int year, int month, int day);

// 1 (子) to 12 (亥) for the branch of a four-byte name, 0 for anything else.
int BranchIndex(std::string_view name);

}  // namespace nuvaro::calendar
