#include "naming/name_query.h"

#include <algorithm>

#include "naming/registrable_characters.h"
#include "platform/core/encoding.h"

namespace nuvaro::naming {
namespace {

// Readings hold only two-byte characters, so a match must start at an even offset.
bool ReadingContains(std::string_view reading, std::string_view part) {
  for (std::size_t at = reading.find(part); at != std::string_view::npos; at = reading.find(part, at + 1)) {
    if (at % 2 == 0) return true;
  }
  return false;
}

bool ReadingMatches(std::string_view reading, const NameQuery& query) {
  if (query.reading.empty()) return true;
  switch (query.readingMatch) {
    case ReadingMatch::StartsWith:
      return reading.substr(0, query.reading.size()) == query.reading;
    case ReadingMatch::Is:
      return reading == query.reading;
    case ReadingMatch::Contains:
      return ReadingContains(reading, query.reading);
  }
  return false;
}

bool ScriptMatches(std::string_view writing, ScriptFilter filter) {
  if (filter == ScriptFilter::Any) return true;
  const bool wantKanji = filter == ScriptFilter::KanjiOnly;
  for (std::string_view character : SplitCp932Characters(writing)) {
    if (IsKanjiCharacter(character) != wantKanji) return false;
  }
  return true;
}

bool HoldsCharacter(const std::vector<std::string_view>& characters, std::string_view wanted) {
  return std::find(characters.begin(), characters.end(), wanted) != characters.end();
}

bool CharactersMatch(std::string_view writing, const NameQuery& query) {
  if (query.mustContain.empty() && query.mustNotContain.empty()) return true;
  const std::vector<std::string_view> characters = SplitCp932Characters(writing);
  for (std::string_view wanted : SplitCp932Characters(query.mustContain)) {
    if (!HoldsCharacter(characters, wanted)) return false;
  }
  for (std::string_view unwanted : SplitCp932Characters(query.mustNotContain)) {
    if (HoldsCharacter(characters, unwanted)) return false;
  }
  return true;
}

bool StrokesMatch(int total, const NameQuery& query) {
  return (query.minStrokes <= 0 || total >= query.minStrokes) && (query.maxStrokes <= 0 || total <= query.maxStrokes);
}

}  // namespace

bool SexMatches(NameSex sex, SexFilter filter) {
  switch (filter) {
    case SexFilter::Any:
      return true;
    case SexFilter::Male:
      return sex != NameSex::Female;
    case SexFilter::Female:
      return sex != NameSex::Male;
  }
  return false;
}

bool MatchesQuery(const GivenNameCatalog& catalog, std::size_t index, const NameQuery& query) {
  return SexMatches(catalog.Sex(index), query.sex) && (query.length == 0 || catalog.Length(index) == query.length) &&
         ReadingMatches(catalog.Reading(index), query) && StrokesMatch(catalog.TotalStrokes(index), query) &&
         ScriptMatches(catalog.Writing(index), query.script) && CharactersMatch(catalog.Writing(index), query);
}

std::vector<std::uint32_t> SearchNames(const GivenNameCatalog& catalog, const NameQuery& query) {
  // The catalog is in reading order: a reading that starts the names (or is theirs) picks
  // one stretch of it, found by halving, and only that stretch is looked at.
  std::size_t first = 0, last = catalog.Size();
  if (!query.reading.empty() && query.readingMatch != ReadingMatch::Contains) {
    const std::string_view wanted = query.reading;
    auto lower = [&](std::size_t from, std::size_t to, auto before) {
      while (from < to) {
        const std::size_t middle = from + (to - from) / 2;
        if (before(catalog.Reading(middle))) {
          from = middle + 1;
        } else {
          to = middle;
        }
      }
      return from;
    };
    first = lower(first, last, [&](std::string_view reading) { return reading < wanted; });
    last = lower(first, last, [&](std::string_view reading) { return reading.substr(0, wanted.size()) == wanted; });
  }
  std::vector<std::uint32_t> found;
  for (std::size_t i = first; i < last; ++i) {
    if (MatchesQuery(catalog, i, query)) found.push_back(static_cast<std::uint32_t>(i));
  }
  return found;
}

std::optional<std::string> ReadingFromInput(std::string_view utf8) {
  std::string folded;
  for (std::size_t at = 0; at < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::string character(utf8.substr(at, length));
    at += length;
    if (character == " " || character == "\u3000") continue;
    // Katakana ァ (U+30A1) to ヶ (U+30F6) lie 0x60 above their hiragana: E3 82 A1..E3 83 B6.
    if (character.size() == 3 && character >= "\u30A1" && character <= "\u30F6") {
      char32_t code = (static_cast<unsigned char>(character[0]) & 0x0F) << 12 |
                      (static_cast<unsigned char>(character[1]) & 0x3F) << 6 |
                      (static_cast<unsigned char>(character[2]) & 0x3F);
      code -= 0x60;
      character = {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                   static_cast<char>(0x80 | (code & 0x3F))};
    }
    const bool hiragana = character.size() == 3 && character >= "\u3041" && character <= "\u3096";
    if (!hiragana && character != "ー") return std::nullopt;
    folded += character;
  }
  return platform::Utf8ToCp932(folded);
}

}  // namespace nuvaro::naming
