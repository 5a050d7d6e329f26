#include "board/balloon_lines.h"

#include <algorithm>
#include <cstddef>

#include "board/line_break_texts.h"
#include "platform/core/encoding.h"

namespace nuvaro::board {
namespace {

// Runs of one script stay on one line when they fit.
enum class Script { Other, Kanji, Katakana, Alphanumeric };

struct Character {
  std::string_view bytes;
  Script script = Script::Other;
  bool noStart = false;  // may not begin a line
  bool noEnd = false;    // may not end a line
  bool hiragana = false;
  bool quoted = false;   // between an opening and a closing quotation mark
  bool inWord = false;   // inside a kana word that stays whole
};

unsigned Code(std::string_view c) {
  return c.size() == 2 ? static_cast<unsigned char>(c[0]) * 256u + static_cast<unsigned char>(c[1])
                       : static_cast<unsigned char>(c[0]);
}

Script ScriptOf(std::string_view c) {
  const unsigned code = Code(c);
  if (c.size() == 1) {
    const bool alnum = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
    return alnum ? Script::Alphanumeric : Script::Other;
  }
  if (code >= 0x824F && code <= 0x829A) return Script::Alphanumeric;  // full-width digits and letters
  if ((code >= 0x8340 && code <= 0x8396) || code == 0x815B) return Script::Katakana;  // with ー
  if (code >= 0x889F || code == 0x8158) return Script::Kanji;  // kanji and 々
  return Script::Other;
}

// True when the set (CP932) holds the character.
bool InSet(std::string_view set, std::string_view c) {
  for (std::size_t i = 0; i < set.size();) {
    const std::size_t length = platform::IsCp932LeadByte(static_cast<unsigned char>(set[i])) && i + 1 < set.size() ? 2 : 1;
    if (set.substr(i, length) == c) return true;
    i += length;
  }
  return false;
}

std::vector<Character> Characters(std::string_view text) {
  std::vector<Character> characters;
  bool insideQuote = false;  // the texts quote with ” on both sides: odd ones open
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = platform::IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    std::string_view c = text.substr(i, length);
    Character character{c, ScriptOf(c)};
    if (InSet(line_break_texts::kBothSidesQuote, c)) {
      insideQuote = !insideQuote;
      (insideQuote ? character.noEnd : character.noStart) = true;
    } else {
      character.quoted = insideQuote;
      character.noStart = InSet(line_break_texts::kNoLineStart, c);
      character.noEnd = InSet(line_break_texts::kNoLineEnd, c);
    }
    const unsigned code = Code(c);
    character.hiragana = code >= 0x829F && code <= 0x82F1;
    characters.push_back(character);
    i += length;
  }
  // Kana words the readings use that no line may split (separated by spaces in the list).
  std::string_view words = line_break_texts::kKeptWords;
  while (!words.empty()) {
    const std::size_t space = words.find(' ');
    const std::string_view word = words.substr(0, space);
    words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
    if (word.empty()) continue;
    for (std::size_t first = 0; first < characters.size(); ++first) {
      std::size_t at = first;
      std::size_t matched = 0;
      while (at < characters.size() && matched < word.size() &&
             word.substr(matched, characters[at].bytes.size()) == characters[at].bytes)
        matched += characters[at++].bytes.size();
      if (matched != word.size()) continue;
      for (std::size_t k = first + 1; k < at; ++k) characters[k].inWord = true;
    }
  }
  return characters;
}

// True when a line may end before characters[at]: never inside a quoted word (a quoted
// word longer than a line is cut where the line is full).
bool MayBreakBefore(const std::vector<Character>& characters, std::size_t at) {
  if (at == 0 || at >= characters.size()) return true;
  if (characters[at].noStart || characters[at - 1].noEnd || characters[at].quoted || characters[at].inWord)
    return false;
  const Script script = characters[at].script;
  return script == Script::Other || script != characters[at - 1].script;
}

// How good a line end before characters[at] reads: after 、。！？ best, then at a quote
// or bracket, then where a word in kanji, katakana or letters begins after kana.
int BreakQuality(const std::vector<Character>& characters, std::size_t at) {
  if (at == 0 || at >= characters.size()) return 3;
  if (InSet(line_break_texts::kPreferredBreakAfter, characters[at - 1].bytes)) return 3;
  if (characters[at - 1].noStart && !characters[at - 1].hiragana && characters[at - 1].script == Script::Other) return 2;
  if (characters[at].noEnd) return 2;
  if (characters[at - 1].hiragana && characters[at].script != Script::Other) return 1;
  return 0;
}

}  // namespace

std::vector<std::string> BreakBalloonLines(std::string_view textCp932, int bytesPerLine) {
  const std::size_t perLine = static_cast<std::size_t>(std::max(bytesPerLine, 1));
  const std::vector<Character> characters = Characters(textCp932);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < characters.size()) {
    // The most characters that fit.
    std::size_t end = start;
    std::size_t bytes = 0;
    while (end < characters.size() && bytes + characters[end].bytes.size() <= perLine) bytes += characters[end++].bytes.size();
    if (end == start) end = start + 1;  // one character wider than a line
    if (end < characters.size()) {
      // The best place a line may end that leaves it at least half full; without one, the
      // last place it may end; a line without any is cut where it is full.
      std::size_t used = 0;
      for (std::size_t i = start; i < end; ++i) used += characters[i].bytes.size();
      std::size_t best = 0;
      int bestQuality = -1;
      std::size_t upTo = used;  // bytes of the line if it ended before characters[i]
      for (std::size_t i = end; i > start; upTo -= characters[--i].bytes.size()) {
        if (!MayBreakBefore(characters, i)) continue;
        if (best == 0) best = i;  // the last legal place
        if (2 * upTo < used) break;
        const int quality = BreakQuality(characters, i);
        if (quality > bestQuality) {
          bestQuality = quality;
          best = i;
        }
      }
      if (best > start) end = best;
    }
    std::string line;
    for (std::size_t i = start; i < end; ++i) line += characters[i].bytes;
    lines.push_back(std::move(line));
    start = end;
  }
  return lines;
}

}  // namespace nuvaro::board
