// The lines of a balloon text: at most a given number of bytes each (a two-byte
// character counts two), broken by the Japanese line-breaking rules, so that no line
// starts with 、。！？）」ー or a small kana, none ends with （「, a run of kanji, katakana
// or Latin letters and digits that fits on a line is never split, and a line that can
// end at 、 or 。 in its second half does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::board {

// The text (CP932) cut into lines of at most bytesPerLine bytes; a single character
// wider than a line gets a line of its own.
std::vector<std::string> BreakBalloonLines(std::string_view textCp932, int bytesPerLine);

}  // namespace nuvaro::board
