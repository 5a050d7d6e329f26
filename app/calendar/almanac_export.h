// The calendar's days as iCalendar events: per day its holiday, solar term (with its
// time), seasonal days and lucky days, and, when asked, its rokuyou with the old-calendar
// date and the person's day reading. Each event's UID is made of the date and the item
// only, so a calendar that imports a later export updates the events it already has.
#pragma once

#include <string>
#include <vector>

#include "calendar/almanac_search.h"
#include "calendar/calendar_choices.h"
#include "calendar/day_reading.h"
#include "calendar/icalendar_writer.h"

namespace nuvaro::calendar {

struct AlmanacExportRequest {
  CivilDay from;
  CivilDay to;                 // included
  bool rokuyou = true;         // a daily event: rokuyou, with the old-calendar date
  bool reading = true;         // a daily event: the person's reading (with an engine and a name)
  CalendarChoices choices;     // holidays and old calendar as the grid shows them
  const DayReadingEngine* engine = nullptr;
  std::string fullName;        // CP932, "surname given"
};

std::vector<AllDayEvent> AlmanacEvents(const AlmanacExportRequest& request);
std::string AlmanacICalendar(const AlmanacExportRequest& request, const CivilDateTime& stampUtc);
// Writes the calendar through the safe save; false when the file cannot be written.
bool ExportAlmanacICalendar(const std::string& path, const AlmanacExportRequest& request,
                            const CivilDateTime& stampUtc);

}  // namespace nuvaro::calendar
