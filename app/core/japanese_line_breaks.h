// Japanese line breaking for the short texts the program sets in narrow places (the
// board's balloons, the calendar's day readings). One rule for both: no line starts with
// 、。！？）」ー or a small kana and none ends with （「; a run of kanji, katakana or
// letters, a quoted word and the kana words the readings use stay whole where a line can
// hold them; lines end after 、。！？ or after a word's particle rather than inside a
// word or between a word and its particle; and the last line is not left with one or
// two characters when an earlier break avoids it. Among the ways that keep these rules,
// the one with the fewest lines wins.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::core {

// The width of one character (its CP932 bytes) in the unit of the line's width.
using CharacterWidth = std::function<int(std::string_view character)>;

// The text (CP932) broken into lines no wider than maxWidth; a character wider than a
// line stands alone. A line feed in the text ends a line (and is dropped).
std::vector<std::string> BreakJapaneseLines(std::string_view textCp932, int maxWidth, const CharacterWidth& width);

// The first maxLines (at least one) of the lines. When lines are left out the last kept
// line ends in "…", characters taken off its end until it fits maxWidth, so a cut text
// never looks whole.
std::vector<std::string> KeepLinesWithEllipsis(std::vector<std::string> lines, std::size_t maxLines, int maxWidth,
                                               const CharacterWidth& width);

// Lines of at most bytesPerLine bytes (a two-byte character counts two).
std::vector<std::string> BreakJapaneseLinesByBytes(std::string_view textCp932, int bytesPerLine);

}  // namespace nuvaro::core
