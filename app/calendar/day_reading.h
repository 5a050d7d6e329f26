// The engine's reading of one calendar day for one person: the soul numbers of the name
// and the branches of the date's sexagenary names go into GetUnseiCalendar, whose texts
// are copied out at once (the engine overwrites them on its next call).
#pragma once

#include <string>
#include <string_view>

#include "nuvacalc.h"

namespace nuvaro::calendar {

// The two engine entries a day reading needs; either may be null (a missing export),
// which answers as for a name that cannot be read.
struct DayReadingEngine {
  CalculateSoulFunction calculateSoul = nullptr;
  GetUnseiCalendarFunction getUnseiCalendar = nullptr;
};

struct DayReading {
  std::string readingText;  // CP932, shown in the cell
  std::string extraText;    // CP932, kept but not shown
  int faceKind = 0;         // picks the day face
  bool nameCounted = false; // the engine counted the name's strokes (CalculateSoul answered 1)
};

// Longest name part copied into the soul record, in bytes.
inline constexpr std::size_t kDayReadingNamePartBytes = 20;

// The reading of a date for the full name ("surname given", split at the first space).
// The soul numbers are computed for every call. When the engine cannot read the name
// (CalculateSoul answers 0) nothing is asked of GetUnseiCalendar and the reading is
// empty with face kind 0: the engine would otherwise answer with a table title rather
// than a reading for the day.
DayReading RequestDayReading(const DayReadingEngine& engine, std::string_view fullName, int year, int month, int day,
                             bool firstRequest);

// Whether the engine counts the strokes of the full name: false for a name holding a
// character it has no count for, and without an engine.
bool CanCountName(const DayReadingEngine& engine, std::string_view fullName);

// Splits a name at its first space: the text before it and the text after it; without
// a space the surname is empty and the whole text is the given name.
struct SplitName {
  std::string surname;
  std::string givenName;
};
SplitName SplitFullName(std::string_view fullName);

}  // namespace nuvaro::calendar
