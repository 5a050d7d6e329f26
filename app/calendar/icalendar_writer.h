// iCalendar (RFC 5545) text of all-day events: UTF-8, CRLF line ends, content lines
// folded at 75 octets without splitting a character, TEXT values escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_number.h"

namespace nuvaro::calendar {

struct AllDayEvent {
  int year = 0;
  int month = 0;
  int day = 0;
  std::string uid;          // the same for the same day and item in every export
  std::string summary;      // UTF-8
  std::string description;  // UTF-8, may be empty
  std::string category;     // UTF-8
};

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string EscapeICalendarText(std::string_view text);
// One content line folded into lines of at most 75 octets (continuations start with a
// space), each ended by CRLF.
std::string FoldICalendarLine(std::string_view line);

// The whole calendar: VCALENDAR with one VEVENT per event (DTSTART and DTEND as dates,
// transparent), every DTSTAMP set to `stampUtc`.
std::string WriteICalendar(const std::vector<AllDayEvent>& events, const CivilDateTime& stampUtc,
                           std::string_view calendarName);

}  // namespace nuvaro::calendar
