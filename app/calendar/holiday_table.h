// The Japanese public holidays of a year as a table of 15 fixed slots, with the
// equinox formulas and the substitute-holiday rules.
#pragma once

#include <array>
#include <cstdint>

namespace nuvaro::calendar {

inline constexpr int kHolidaySlotCount = 15;
// Longest name copied into a slot, terminator included.
inline constexpr int kHolidayNameLimit = 30;

// One slot. day 0 means the slot has no date in this year; name is CP932.
struct HolidayEntry {
  std::int32_t month = 0;
  std::int32_t day = 0;
  char name[32] = {};
};

// The holidays of one year. Returned by value, so a table stays valid however many
// other years are built afterwards.
struct HolidayTable {
  std::array<HolidayEntry, kHolidaySlotCount> slots;
  int count = kHolidaySlotCount;
};

// Slot positions (0-based) of the slots whose dates the rules set.
inline constexpr int kNewYearSlot = 0;
inline constexpr int kComingOfAgeSlot = 1;
inline constexpr int kVernalEquinoxSlot = 3;
inline constexpr int kConstitutionSlot = 5;
inline constexpr int kMayPlaceholderSlot = 6;
inline constexpr int kAutumnalEquinoxSlot = 10;
inline constexpr int kSportsSlot = 11;

// Day of March of the vernal equinox holiday (the same formula for every year).
int VernalEquinoxDay(int year);
// Day of September of the autumnal equinox holiday.
int AutumnalEquinoxDay(int year);

// The 15 slots of the year, in their fixed order.
HolidayTable BuildHolidayTable(int year);

// The first slot dated month/day, or nullptr when the date is no holiday.
const HolidayEntry* FindHoliday(const HolidayTable& table, int month, int day);

}  // namespace nuvaro::calendar
