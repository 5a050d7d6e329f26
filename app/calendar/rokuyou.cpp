#include "calendar/rokuyou.h"

#include "calendar/calendar_texts_cp932.h"
#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"

namespace nuvaro::calendar {
namespace {

constexpr std::string_view kRokuyouNames[kRokuyouCount] = {texts::kSensho,      texts::kTomobiki, texts::kSenbu,
                                                              texts::kButsumetsu, texts::kTaian,    texts::kShakko};

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
