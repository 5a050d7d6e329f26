#include "core/japanese_line_breaks.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "core/line_break_texts.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

// Runs of one script stay on one line when they fit.
enum class Script { Other, Kanji, Katakana, Alphanumeric };

struct Character {
  std::string_view bytes;
  Script script = Script::Other;
  int width = 0;
  bool noStart = false;  // may not begin a line
  bool noEnd = false;    // may not end a line
  bool hiragana = false;
  bool quoted = false;   // between an opening and a closing quotation mark
  bool inWord = false;   // inside a kana word that stays whole
  bool wordEnd = false;  // the last character of such a word
  bool wordStart = false;  // the first character of such a word
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

std::size_t CharacterLength(std::string_view text, std::size_t at) {
  return platform::IsCp932LeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// True when the set (CP932) holds the character.
bool InSet(std::string_view set, std::string_view c) {
  for (std::size_t i = 0; i < set.size(); i += CharacterLength(set, i)) {
    if (set.substr(i, CharacterLength(set, i)) == c) return true;
  }
  return false;
}

// Calls f for every word of a list separated by half-width spaces.
template <typename F>
void ForEachWord(std::string_view words, F f) {
  while (!words.empty()) {
    const std::size_t space = words.find(' ');
    const std::string_view word = words.substr(0, space);
    words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
    if (!word.empty()) f(word);
  }
}

// The number of characters from `first` on that spell the word, 0 when they do not.
std::size_t MatchAt(const std::vector<Character>& characters, std::size_t first, std::string_view word) {
  std::size_t at = first;
  std::size_t matched = 0;
  while (at < characters.size() && matched < word.size() &&
         word.substr(matched, characters[at].bytes.size()) == characters[at].bytes)
    matched += characters[at++].bytes.size();
  return matched == word.size() ? at - first : 0;
}

std::vector<Character> Characters(std::string_view text, const CharacterWidth& width) {
  std::vector<Character> characters;
  bool insideQuote = false;  // the texts quote with ” on both sides: odd ones open
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) {
    std::string_view c = text.substr(i, CharacterLength(text, i));
    // Every character takes some room, so that a line always ends.
    Character character{c, ScriptOf(c), std::max(width(c), 1)};
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
  }
  // Kept words and two-character particles stay whole.
  const auto keep = [&characters](std::string_view word) {
    for (std::size_t first = 0; first < characters.size(); ++first) {
      const std::size_t length = MatchAt(characters, first, word);
      if (length == 0) continue;
      for (std::size_t k = first + 1; k < first + length; ++k) characters[k].inWord = true;
      characters[first].wordStart = true;
      characters[first + length - 1].wordEnd = true;
    }
  };
  ForEachWord(line_break_texts::kKeptWords, keep);
  ForEachWord(line_break_texts::kTwoCharacterParticles, keep);
  return characters;
}

// How strongly a break before characters[at] is ruled out: 0 allowed; 1 it splits a run
// of one script or a quoted phrase, 2 a kept word or a small tsu from its sound (both
// done only where a line cannot hold them); 3 the line would start or end with a character that may not stand there.
int BreakTier(const std::vector<Character>& characters, std::size_t at) {
  if (characters[at].noStart || characters[at - 1].noEnd) return 3;
  // A small tsu belongs to the sound after it.
  const unsigned before = Code(characters[at - 1].bytes);
  if (characters[at].inWord || before == 0x82C1 || before == 0x8362) return 2;
  if (characters[at].quoted) return 1;
  const Script script = characters[at].script;
  return script != Script::Other && script == characters[at - 1].script ? 1 : 0;
}

// A word stands before characters[at]: kanji, katakana, letters, a closing quote or the
// end of a kept word.
bool WordBefore(const std::vector<Character>& characters, std::size_t at) {
  if (at == 0) return false;
  const Character& c = characters[at - 1];
  // A kanji with one kana of its ending (鈍さ, 優しさ) counts as a word too.
  const bool ending = c.hiragana && at >= 2 && characters[at - 2].script == Script::Kanji;
  return c.script != Script::Other || c.wordEnd || ending || (c.noStart && !c.hiragana);
}

// A particle of one or two characters ends just before characters[at] and follows a word.
bool ParticleEndsBefore(const std::vector<Character>& characters, std::size_t at) {
  if (at >= 1 && InSet(line_break_texts::kParticles, characters[at - 1].bytes) && WordBefore(characters, at - 1))
    return true;
  bool two = false;
  if (at >= 2) {
    ForEachWord(line_break_texts::kTwoCharacterParticles, [&](std::string_view particle) {
      two = two || (MatchAt(characters, at - 2, particle) == 2 && WordBefore(characters, at - 2));
    });
  }
  return two;
}

// How well a line reads when it ends before characters[at]: best after 、。！？, then at
// a quote or bracket, then after a word's particle or a kept word, then where a word in kanji, katakana
// or letters begins after kana; worst between a kanji and the kana that follow it (its
// ending or its particle).
int BreakQuality(const std::vector<Character>& characters, std::size_t at) {
  const Character& before = characters[at - 1];
  const Character& after = characters[at];
  if (InSet(line_break_texts::kPreferredBreakAfter, before.bytes)) return 4;
  if (before.noStart && !before.hiragana && before.script == Script::Other) {
    // A closing quote or bracket right after 、。！？ ends a sentence too.
    return at >= 2 && InSet(line_break_texts::kPreferredBreakAfter, characters[at - 2].bytes) ? 4 : 3;
  }
  if (after.noEnd) return 3;
  // A line that begins with a particle or a kana no word begins with reads badly, and so
  // does one that ends inside a kanji's kana ending (合わ|せ, 見つ|め).
  if (after.hiragana && !after.wordStart &&
      (InSet(line_break_texts::kParticles, after.bytes) || InSet(line_break_texts::kWeakLineStart, after.bytes)))
    return -4;
  if (before.script == Script::Kanji && after.hiragana) return -4;
  if (ParticleEndsBefore(characters, at) || before.wordEnd) return 2;
  if (before.hiragana && after.hiragana && at >= 2 && characters[at - 2].script == Script::Kanji) return -3;
  if (before.hiragana && after.script != Script::Other) return 1;
  return 0;
}

// What each choice costs: every line, a break by its tier and quality, a line left
// short, and a last line of one or two characters.
constexpr long kCostPerLine = 200;
constexpr long kCostPerTier[] = {0, 20000, 60000, 200000};
constexpr long kCostPerQualityStep = 40;
constexpr long kCostOfEmptyLine = 60;  // a line left empty, in proportion to its room
constexpr long kCostOfShortLastLine = 3000;
constexpr std::size_t kShortLastLine = 2;

std::vector<std::string> BreakParagraph(const std::vector<Character>& characters, int maxWidth) {
  const std::size_t n = characters.size();
  std::vector<std::string> lines;
  if (n == 0) return lines;
  const long room = std::max(maxWidth, 1);
  // cost[j]: the cheapest way to set characters[0, j) as whole lines; from[j] its last
  // line's start.
  std::vector<long> cost(n + 1, std::numeric_limits<long>::max());
  std::vector<std::size_t> from(n + 1, 0);
  cost[0] = 0;
  for (std::size_t j = 1; j <= n; ++j) {
    const long breakCost =
        j < n ? kCostPerTier[BreakTier(characters, j)] + kCostPerQualityStep * (4 - BreakQuality(characters, j)) : 0;
    long width = 0;
    for (std::size_t i = j; i-- > 0;) {
      width += characters[i].width;
      if (width > room && i + 1 < j) break;  // only a single character may be wider
      if (cost[i] == std::numeric_limits<long>::max()) continue;
      long line = kCostPerLine;
      if (j < n) {
        line += breakCost + kCostOfEmptyLine * (room - std::min(width, room)) / room;
      } else if (i > 0 && j - i <= kShortLastLine) {
        line += kCostOfShortLastLine;
      }
      if (cost[i] + line < cost[j]) {
        cost[j] = cost[i] + line;
        from[j] = i;
      }
    }
  }
  std::vector<std::size_t> ends;
  for (std::size_t j = n; j > 0; j = from[j]) ends.push_back(j);
  std::size_t start = 0;
  for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
    std::string line;
    for (std::size_t k = start; k < *it; ++k) line += characters[k].bytes;
    lines.push_back(std::move(line));
    start = *it;
  }
  return lines;
}

}  // namespace

std::vector<std::string> BreakJapaneseLines(std::string_view textCp932, int maxWidth, const CharacterWidth& width) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t feed = textCp932.find('\n');
    const std::string_view paragraph = textCp932.substr(0, feed);
    for (std::string& line : BreakParagraph(Characters(paragraph, width), maxWidth)) lines.push_back(std::move(line));
    if (feed == std::string_view::npos) break;
    textCp932.remove_prefix(feed + 1);
  }
  return lines;
}

std::vector<std::string> KeepLinesWithEllipsis(std::vector<std::string> lines, std::size_t maxLines, int maxWidth,
                                               const CharacterWidth& width) {
  maxLines = std::max<std::size_t>(maxLines, 1);
  if (lines.size() <= maxLines) return lines;
  lines.resize(maxLines);
  std::string& last = lines.back();
  const std::string_view ellipsis = line_break_texts::kEllipsis;
  auto lineWidth = [&width](std::string_view text) {
    int total = 0;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t length = CharacterLength(text, at);
      total += width(text.substr(at, length));
      at += length;
    }
    return total;
  };
  // Characters come off the end (whole ones: a two-byte character is never split).
  while (!last.empty() && lineWidth(last) + width(ellipsis) > maxWidth) {
    std::size_t at = 0, previous = 0;
    while (at < last.size()) {
      previous = at;
      at += CharacterLength(last, at);
    }
    last.resize(previous);
  }
  last += ellipsis;
  return lines;
}

std::vector<std::string> BreakJapaneseLinesByBytes(std::string_view textCp932, int bytesPerLine) {
  return BreakJapaneseLines(textCp932, bytesPerLine,
                            [](std::string_view character) { return static_cast<int>(character.size()); });
}

}  // namespace nuvaro::core
