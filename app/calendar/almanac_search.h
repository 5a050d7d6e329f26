// The lucky-day search (吉日さがし): the days of a range that meet every condition
// chosen — a rokuyou out of a list, a lucky day of the almanac out of a list, a holiday
// or a weekend, not 仏滅, a smiling day face for a person — with what the calendar
// shows for them.
#pragma once

#include <string>
#include <vector>

#include "calendar/almanac.h"
#include "calendar/calendar_choices.h"
#include "calendar/day_reading.h"

namespace nuvaro::calendar {

struct CivilDay {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const CivilDay&) const = default;
  auto operator<=>(const CivilDay&) const = default;
};

struct LuckyDayCriteria {
  std::vector<std::string> rokuyou;  // CP932 names; the day's rokuyou is one of them (empty: any)
  std::vector<Rekichu> rekichu;      // the day is one of them (empty: any)
  bool holidayOrWeekend = false;     // a holiday, a Saturday or a Sunday
  bool notButsumetsu = false;
  bool goodFace = false;             // the person's day face is a smiling one
};

struct LuckyDay {
  CivilDay date;
  int weekday = 0;
  std::string holiday;      // CP932, empty when none
  std::string rokuyou;      // CP932
  std::string oldCalendar;  // CP932
  std::string almanac;      // CP932, AlmanacLabel of the day
  std::string reading;      // CP932, the person's day reading when one was asked
  int faceKind = 0;
};

// Day faces that smile: kinds 1, 2 and 4 (confident, happy, gentle).
bool IsGoodDayFace(int faceKind);

// The matching days from `from` to `to` (both included, in order). Holidays and rokuyou
// follow `choices` as the month grid does; a good-face condition without an engine or
// with an empty name matches no day. The range must lie in the years 1 to 9999.
std::vector<LuckyDay> FindLuckyDays(CivilDay from, CivilDay to, const LuckyDayCriteria& criteria,
                                    const CalendarChoices& choices, const DayReadingEngine* engine,
                                    const std::string& fullName);

// The civil day after a day.
CivilDay NextCivilDay(CivilDay day);

// Day readings asked as the month grid asks them. The engine alternates its phrasing
// from day to day as a month is drawn from its first day, so a day's text is the one its
// calendar cell shows only when the days before it in its month were asked first; this
// asks them (the answers are dropped) before the day wanted.
class GridOrderReadings {
 public:
  GridOrderReadings(const DayReadingEngine& engine, std::string fullName)
      : engine_(engine), fullName_(std::move(fullName)) {}
  // Days must be asked in increasing order.
  DayReading At(CivilDay day);

 private:
  const DayReadingEngine& engine_;
  std::string fullName_;
  CivilDay next_;  // the day the engine's alternation has reached
};

}  // namespace nuvaro::calendar
