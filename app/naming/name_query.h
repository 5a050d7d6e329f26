// The finder's filters and the search over the catalog: sex, reading, length, characters
// that must or must not appear, kanji or kana only, and the given name's stroke range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "naming/given_name_catalog.h"

namespace nuvaro::naming {

enum class SexFilter { Any, Male, Female };
enum class ReadingMatch { StartsWith, Is, Contains };
enum class ScriptFilter { Any, KanjiOnly, KanaOnly };

struct NameQuery {
  SexFilter sex = SexFilter::Any;
  std::string reading;  // CP932 hiragana; empty matches every reading
  ReadingMatch readingMatch = ReadingMatch::StartsWith;
  int length = 0;            // 1 to 3; 0 for any length
  std::string mustContain;   // CP932: every one of these characters must appear
  std::string mustNotContain;  // CP932: none of these characters may appear
  ScriptFilter script = ScriptFilter::Any;
  int minStrokes = 0;  // the given name's total strokes; 0 for no bound
  int maxStrokes = 0;
};

// Whether a name of the given sex is wanted (a name for both sexes always is).
bool SexMatches(NameSex sex, SexFilter filter);

bool MatchesQuery(const GivenNameCatalog& catalog, std::size_t index, const NameQuery& query);

// The indices of the matching names, in catalog order.
std::vector<std::uint32_t> SearchNames(const GivenNameCatalog& catalog, const NameQuery& query);

// A reading as the user types it (UTF-8) turned into the form the catalog holds: CP932
// hiragana, katakana folded to hiragana, spaces dropped. Nothing when a character is
// neither kana nor ー.
std::optional<std::string> ReadingFromInput(std::string_view utf8);

}  // namespace nuvaro::naming
