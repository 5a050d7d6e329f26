#include "core/name_readability.h"

#include <algorithm>

#include "core/core_texts.h"
#include "core/engine_binding.h"
#include "core/member.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

// A two-byte character counts when the engine reads it as a name of one character in
// both parts; a single-byte one never counts (the engine skips it).
bool EngineCounts(std::string_view character, const EngineBinding& engine) {
  if (character.size() != 2) return false;
  SoulRecord record = SoulRecordForName(character, character, character.size());
  return engine.CalculateSoul(record) != 0;
}

void CollectUncountable(std::string_view part, const EngineBinding& engine, std::vector<std::string>& found) {
  for (std::size_t i = 0; i < part.size();) {
    const bool lead = platform::IsCp932LeadByte(static_cast<unsigned char>(part[i]));
    const std::size_t length = lead && i + 1 < part.size() ? 2 : 1;
    std::string character(part.substr(i, length));
    i += length;
    if (std::find(found.begin(), found.end(), character) != found.end()) continue;
    if (!EngineCounts(character, engine)) found.push_back(std::move(character));
  }
}

}  // namespace

NameReadability CheckNameParts(std::string_view surname, std::string_view givenName, const EngineBinding& engine) {
  NameReadability readability;
  readability.missingSurname = surname.empty();
  readability.missingGivenName = givenName.empty();
  CollectUncountable(surname, engine, readability.uncountable);
  CollectUncountable(givenName, engine, readability.uncountable);
  return readability;
}

NameReadability CheckFullName(std::string_view fullName, const EngineBinding& engine) {
  NameParts parts = SplitFullName(fullName);
  return CheckNameParts(parts.surname, parts.givenName, engine);
}

std::string UncountableCharactersText(const NameReadability& readability) {
  std::string text;
  for (const std::string& character : readability.uncountable) {
    if (!text.empty()) text += texts::kCharacterListSeparator;
    const bool space = character == " " || character == texts::kFullWidthSpace;
    text += space ? std::string(texts::kSpaceCharacterName) : character;
  }
  return text;
}

}  // namespace nuvaro::core
