#include "calendar/holiday_table.h"

#include <cmath>
#include <string_view>

#include "calendar/civil_date.h"

namespace nuvaro::calendar {
namespace {

struct InitialSlot {
  int month;
  int day;
  std::string_view name;
};

// Every slot before the rules of the year are applied; day 0 = no fixed date.
constexpr InitialSlot kInitialSlots[kHolidaySlotCount] = {
    {1, 1, "元　日"},        {1, 0, "成人の日"},   {2, 11, "建国記念の日"}, {3, 0, "春分の日"},
    {4, 29, "みどりの日"},   {5, 3, "憲法記念日"}, {5, 0, "振替の休日"},    {5, 5, "こどもの日"},
    {7, 20, "海の日"},       {9, 15, "敬老の日"},  {9, 0, "秋分の日"},      {10, 0, "体育の日"},
    {11, 3, "文化の日"},     {11, 23, "勤労感謝の日"}, {12, 23, "天皇誕生日"},
};

constexpr std::string_view kSubstituteName = "振替の休日";

// From this year on the coming-of-age and sports days are second Mondays.
constexpr int kHappyMondayFirstYear = 2000;

constexpr double kEquinoxYearlyDrift = 0.242194;
constexpr double kVernalEquinoxBase = 20.8431;
constexpr double kAutumnalEquinoxBase = 23.2488;
constexpr int kEquinoxBaseYear = 1980;

// Copies a name with the slot's limit of kHolidayNameLimit bytes, terminator included.
void SetName(HolidayEntry& entry, std::string_view name) {
  std::size_t length = name.size() < kHolidayNameLimit - 1 ? name.size() : kHolidayNameLimit - 1;
  for (std::size_t i = 0; i < length; ++i) entry.name[i] = name[i];
  for (std::size_t i = length; i < sizeof entry.name; ++i) entry.name[i] = '\0';
}

int EquinoxDay(int year, double base) {
  int d = year - kEquinoxBaseYear;
  int q = d / 4;
  return static_cast<int>(std::trunc(d * kEquinoxYearlyDrift + base - q));
}

}  // namespace

int VernalEquinoxDay(int year) { return EquinoxDay(year, kVernalEquinoxBase); }

int AutumnalEquinoxDay(int year) { return EquinoxDay(year, kAutumnalEquinoxBase); }

HolidayTable BuildHolidayTable(int year) {
  HolidayTable table;
  for (int i = 0; i < kHolidaySlotCount; ++i) {
    table.slots[i].month = kInitialSlots[i].month;
    table.slots[i].day = kInitialSlots[i].day;
    SetName(table.slots[i], kInitialSlots[i].name);
  }

  table.slots[kVernalEquinoxSlot].month = 3;
  table.slots[kVernalEquinoxSlot].day = VernalEquinoxDay(year);
  table.slots[kAutumnalEquinoxSlot].month = 9;
  table.slots[kAutumnalEquinoxSlot].day = AutumnalEquinoxDay(year);

  table.slots[kComingOfAgeSlot].month = 1;
  table.slots[kSportsSlot].month = 10;
  if (year >= kHappyMondayFirstYear) {
    table.slots[kComingOfAgeSlot].day = NthWeekdayOfMonth(year, 1, 2, kMonday);
    table.slots[kSportsSlot].day = NthWeekdayOfMonth(year, 10, 2, kMonday);
  } else {
    table.slots[kComingOfAgeSlot].day = 15;
    table.slots[kSportsSlot].day = 10;
  }

  // A holiday on a Sunday moves to the Monday under the substitute name.
  for (HolidayEntry& slot : table.slots) {
    if (slot.day == 0) continue;
    if (DayOfWeek(year, slot.month, slot.day) == kSunday) {
      slot.day += 1;
      SetName(slot, kSubstituteName);
    }
  }

  // May 4 lies between two holidays and is a day off, unless May 3 fell on a Sunday,
  // in which case the Sunday rule has already put a holiday on May 4.
  if (DayOfWeek(year, 5, 3) != kSunday) {
    table.slots[kMayPlaceholderSlot].month = 5;
    table.slots[kMayPlaceholderSlot].day = 4;
    SetName(table.slots[kMayPlaceholderSlot], kSubstituteName);
  }
  return table;
}

const HolidayEntry* FindHoliday(const HolidayTable& table, int month, int day) {
  if (day == 0) return nullptr;
  for (const HolidayEntry& slot : table.slots) {
    if (slot.month == month && slot.day == day) return &slot;
  }
  return nullptr;
}

}  // namespace nuvaro::calendar
