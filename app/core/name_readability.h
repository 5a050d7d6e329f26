// Whether the engine can count the strokes of every character of a name, and which
// characters it cannot. The engine has no count for small kana, ヴ, ヵ, ヶ, full-width
// punctuation, and skips every single-byte character (Latin letters, digits, half-width
// katakana, spaces) together with the byte after it, so a name holding any of these
// gives no sums or the sums of another name. Every window that shows a reading asks this
// first, so that it never presents a table heading or a 0 % as a result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::core {

class EngineBinding;

struct NameReadability {
  bool missingSurname = false;    // no surname (empty, or no half-width space in a full name)
  bool missingGivenName = false;  // no given name
  // The characters without a count (CP932), each once, in order of first appearance.
  std::vector<std::string> uncountable;

  bool Readable() const { return !missingSurname && !missingGivenName && uncountable.empty(); }
};

// Checks the two parts of a name, character by character, through the engine's own
// CalculateSoul (a character counts when the engine reads it as a one-character name).
// Without a bound engine no character counts.
NameReadability CheckNameParts(std::string_view surname, std::string_view givenName, const EngineBinding& engine);

// The same for a full name (surname, one half-width space, given name), split at its
// first half-width space.
NameReadability CheckFullName(std::string_view fullName, const EngineBinding& engine);

// The uncountable characters for a message, joined by "」「" (to stand between 「 and 」);
// a space is named "空白".
std::string UncountableCharactersText(const NameReadability& readability);

}  // namespace nuvaro::core
