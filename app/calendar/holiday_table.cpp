#include "calendar/holiday_table.h"

#include <cmath>
#include <string_view>

#include "calendar/calendar_texts_cp932.h"
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
    {1, 1, texts::kNewYearsDay},
    {1, 0, texts::kComingOfAgeDay},
    {2, 11, texts::kFoundationDay},
    {3, 0, texts::kVernalEquinoxDayName},
    {4, 29, texts::kGreeneryDay},
    {5, 3, texts::kConstitutionDay},
    {5, 0, texts::kSubstituteHoliday},
    {5, 5, texts::kChildrensDay},
    {7, 20, texts::kMarineDay},
    {9, 15, texts::kRespectForAgedDay},
    {9, 0, texts::kAutumnalEquinoxDayName},
    {10, 0, texts::kSportsDay},
    {11, 3, texts::kCultureDay},
    {11, 23, texts::kLabourThanksgivingDay},
    {12, 23, texts::kEmperorsBirthday},
};

static_assert([] {
  for (const InitialSlot& slot : kInitialSlots) {
    if (slot.name.size() >= kHolidayNameLimit) return false;
  }
  return true;
}(), "every holiday name fits its slot");

constexpr std::string_view kSubstituteName = texts::kSubstituteHoliday;

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
