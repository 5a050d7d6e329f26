#include "calendar/day_reading.h"

#include <cstdint>
#include <cstring>

#include "calendar/sexagenary.h"
#include "platform/core/encoding.h"

namespace nuvaro::calendar {

namespace {

// Copies a name part into a record field, cut on a character boundary.
void CopyNamePart(std::string_view part, char* field) {
  std::size_t length = platform::Cp932SafePrefixLength(part, kDayReadingNamePartBytes);
  std::memcpy(field, part.data(), length);
}

std::int16_t Branch(std::string_view name) { return static_cast<std::int16_t>(BranchIndex(name)); }

// The soul record of a full name; false when the engine cannot count it.
bool CountName(const DayReadingEngine& engine, std::string_view fullName, SoulRecord& soul) {
  if (engine.calculateSoul == nullptr) return false;
  SplitName name = SplitFullName(fullName);
  std::memset(&soul, 0, sizeof soul);
  CopyNamePart(name.surname, soul.sei);
  CopyNamePart(name.givenName, soul.mei);
  return engine.calculateSoul(&soul) != 0;
}

}  // namespace

SplitName SplitFullName(std::string_view fullName) {
  // A space (0x20) is never the second byte of a CP932 character.
  std::size_t space = fullName.find(' ');
  if (space == std::string_view::npos) return {std::string(), std::string(fullName)};
  return {std::string(fullName.substr(0, space)), std::string(fullName.substr(space + 1))};
}

bool CanCountName(const DayReadingEngine& engine, std::string_view fullName) {
  SoulRecord soul;
  return CountName(engine, fullName, soul);
}

DayReading RequestDayReading(const DayReadingEngine& engine, std::string_view fullName, int year, int month, int day,
                             bool firstRequest) {
  DayReading reading;
  if (engine.calculateSoul == nullptr || engine.getUnseiCalendar == nullptr) return reading;
  SoulRecord soul;
  if (!CountName(engine, fullName, soul)) return reading;
  reading.nameCounted = true;

  SexagenaryNameSet names = SexagenaryNames(year, month, day);
  UnseiRecord record;
  std::memset(&record, 0, sizeof record);
  record.yearBranch = Branch(names.year);
  record.monthBranch = Branch(names.month);
  record.dayBranch = Branch(names.day);
  record.honsyou = soul.honsyou;
  record.syakai = soul.syakai;
  record.chikaku = soul.chikaku;
  record.ninki = soul.ninki;
  record.shigoto = soul.shigoto;
  record.aijyou = soul.aijyou;
  record.shinrei = soul.shinrei;
  record.jinkakuA = soul.jinkakuA;
  record.jinkakuB = soul.jinkakuB;
  record.resetState = firstRequest ? 1 : 0;
  engine.getUnseiCalendar(&record);
  if (record.readingText != nullptr) reading.readingText = record.readingText;
  if (record.extraText != nullptr) reading.extraText = record.extraText;
  reading.faceKind = record.faceKind;
  return reading;
}

}  // namespace nuvaro::calendar
