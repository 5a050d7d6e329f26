#include "calendar/icalendar_writer.h"

#include <cstdio>

namespace nuvaro::calendar {
namespace {

constexpr std::size_t kLineOctets = 75;

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

std::string DateValue(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
  return text;
}

void NextDay(int& year, int& month, int& day) {
  CivilDateTime next = DayNumberToCivil(CivilToDayNumber(year, month, day, 0, 0, 0) + 1);
  year = next.year;
  month = next.month;
  day = next.day;
}

}  // namespace

std::string EscapeICalendarText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case ';':
        escaped += "\\;";
        break;
      case ',':
        escaped += "\\,";
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        escaped += "\\n";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string FoldICalendarLine(std::string_view line) {
  std::string folded;
  std::size_t limit = kLineOctets;  // the first line holds 75 octets, later ones 74 after the space
  while (line.size() > limit) {
    std::size_t cut = limit;
    while (cut > 0 && IsContinuationByte(static_cast<unsigned char>(line[cut]))) --cut;
    folded.append(line.substr(0, cut));
    folded += "\r\n ";
    line.remove_prefix(cut);
    limit = kLineOctets - 1;
  }
  folded.append(line);
  folded += "\r\n";
  return folded;
}

std::string WriteICalendar(const std::vector<AllDayEvent>& events, const CivilDateTime& stampUtc,
                           std::string_view calendarName) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", stampUtc.year, stampUtc.month, stampUtc.day,
                stampUtc.hour, stampUtc.minute, stampUtc.second);
  std::string out;
  out.reserve(events.size() * 300 + 256);
  auto line = [&out](std::string_view text) { out += FoldICalendarLine(text); };
  line("BEGIN:VCALENDAR");
  line("VERSION:2.0");
  line("PRODID:-//Nuvaro//Nuvaro Fortune Calendar//JA");
  line("CALSCALE:GREGORIAN");
  line("METHOD:PUBLISH");
  line("X-WR-CALNAME:" + EscapeICalendarText(calendarName));
  line("X-WR-TIMEZONE:Asia/Tokyo");
  for (const AllDayEvent& event : events) {
    int y = event.year, m = event.month, d = event.day;
    NextDay(y, m, d);
    line("BEGIN:VEVENT");
    line("UID:" + event.uid);
    line(std::string("DTSTAMP:") + stamp);
    line("DTSTART;VALUE=DATE:" + DateValue(event.year, event.month, event.day));
    line("DTEND;VALUE=DATE:" + DateValue(y, m, d));
    line("SUMMARY:" + EscapeICalendarText(event.summary));
    if (!event.description.empty()) line("DESCRIPTION:" + EscapeICalendarText(event.description));
    line("CATEGORIES:" + EscapeICalendarText(event.category));
    line("TRANSP:TRANSPARENT");
    line("END:VEVENT");
  }
  line("END:VCALENDAR");
  return out;
}

}  // namespace nuvaro::calendar
