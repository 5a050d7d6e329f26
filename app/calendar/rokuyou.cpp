#include "calendar/rokuyou.h"

#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {
namespace {

constexpr std::string_view kRokuyouNames[kRokuyouCount] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};

}  // namespace

std::string_view RokuyouOf(int lunarMonth, int lunarDay) {
  int index = (lunarMonth + lunarDay - 2) % kRokuyouCount;
  if (index < 0) index += kRokuyouCount;
  return kRokuyouNames[index];
}

std::string RokuyouLabel(int year, int month, int day) {
  LunarDate lunar = CivilToLunar(CivilToDayNumber(year, month, day, 0, 0, 0));
  return std::string(RokuyouOf(lunar.month, lunar.day));
}

}  // namespace nuvaro::calendar
