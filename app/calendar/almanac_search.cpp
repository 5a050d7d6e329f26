#include "calendar/almanac_search.h"

#include <algorithm>
#include <optional>

#include "calendar/calendar_texts_cp932.h"
#include "calendar/civil_date.h"
#include "calendar/month_drawing_data.h"

namespace nuvaro::calendar {
namespace {

bool Matches(const LuckyDayCriteria& criteria, const LuckyDay& day, const AlmanacDay& almanac) {
  if (!criteria.rokuyou.empty() &&
      std::find(criteria.rokuyou.begin(), criteria.rokuyou.end(), day.rokuyou) == criteria.rokuyou.end()) {
    return false;
  }
  if (!criteria.rekichu.empty() && std::none_of(criteria.rekichu.begin(), criteria.rekichu.end(), [&](Rekichu r) {
        return std::find(almanac.rekichu.begin(), almanac.rekichu.end(), r) != almanac.rekichu.end();
      })) {
    return false;
  }
  if (criteria.holidayOrWeekend && day.holiday.empty() && day.weekday != kSunday && day.weekday != kSaturday) {
    return false;
  }
  if (criteria.notButsumetsu && day.rokuyou == texts::kButsumetsu) return false;
  return true;
}

}  // namespace

bool IsGoodDayFace(int faceKind) { return faceKind == 1 || faceKind == 2 || faceKind == 4; }

CivilDay NextCivilDay(CivilDay day) {
  if (day.day < DaysInMonth(day.year, day.month)) return {day.year, day.month, day.day + 1};
  if (day.month < 12) return {day.year, day.month + 1, 1};
  return {day.year + 1, 1, 1};
}

DayReading GridOrderReadings::At(CivilDay day) {
  bool sameMonth = next_.year == day.year && next_.month == day.month && next_.day <= day.day;
  if (!sameMonth) next_ = {day.year, day.month, 1};
  for (; next_ < day; next_ = NextCivilDay(next_)) {
    RequestDayReading(engine_, fullName_, next_.year, next_.month, next_.day, next_.day == 1);
  }
  next_ = NextCivilDay(day);
  return RequestDayReading(engine_, fullName_, day.year, day.month, day.day, day.day == 1);
}

std::vector<LuckyDay> FindLuckyDays(CivilDay from, CivilDay to, const LuckyDayCriteria& criteria,
                                    const CalendarChoices& choices, const DayReadingEngine* engine,
                                    const std::string& fullName) {
  std::vector<LuckyDay> found;
  bool canRead = engine != nullptr && fullName != " " && !fullName.empty();
  if (criteria.goodFace && !canRead) return found;
  MonthSources sources = MonthSourcesFor(choices);
  int shownYear = 0, shownMonth = 0;
  std::vector<HolidayDay> holidays;
  std::vector<DayLabels> labels;
  std::optional<GridOrderReadings> readings;
  if (criteria.goodFace) readings.emplace(*engine, fullName);
  for (CivilDay d = from; d <= to; d = NextCivilDay(d)) {
    if (d.year != shownYear) holidays = sources.holidays(d.year);
    if (d.year != shownYear || d.month != shownMonth) labels = sources.dayLabels(d.year, d.month);
    shownYear = d.year;
    shownMonth = d.month;
    LuckyDay day;
    day.date = d;
    day.weekday = DayOfWeek(d.year, d.month, d.day);
    if (const HolidayDay* h = FindHolidayDay(holidays, d.month, d.day)) day.holiday = h->name;
    if (static_cast<std::size_t>(d.day) <= labels.size()) {
      day.rokuyou = labels[static_cast<std::size_t>(d.day - 1)].rokuyou;
      day.oldCalendar = labels[static_cast<std::size_t>(d.day - 1)].oldCalendar;
    }
    const AlmanacDay& almanac = AlmanacOf(d.year, d.month, d.day);
    if (!Matches(criteria, day, almanac)) continue;
    if (criteria.goodFace) {
      DayReading reading = readings->At(d);
      if (!IsGoodDayFace(reading.faceKind)) continue;
      day.reading = reading.readingText;
      day.faceKind = reading.faceKind;
    }
    day.almanac = AlmanacLabel(almanac);
    found.push_back(std::move(day));
  }
  return found;
}

}  // namespace nuvaro::calendar
