// Small operations on CP932 texts that the model needs: filling the "%s" or "%d" slot of
// a message, cutting a text without splitting a two-byte character, and cleaning a cell.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nuvaro::core {

// The format with its first "%s" replaced by the value. The slot is searched character
// by character, so a trail byte is never mistaken for '%'.
std::string FormatText(std::string_view format, std::string_view value);

// The format with its first "%d" replaced by the number in decimal.
std::string FormatNumber(std::string_view format, int value);

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
std::string CutText(std::string_view text, std::size_t maxBytes);

// True for a byte that may follow a lead byte in a two-byte character.
bool IsCp932TrailByte(unsigned char byte);

// Position of the first single-byte `wanted` character, walking character by character
// (the byte after a lead byte is never a match); npos when there is none.
std::size_t FindSingleByte(std::string_view text, char wanted, std::size_t from = 0);

// Orders two texts character by character: a two-byte character counts as the number
// lead * 256 + trail, a single byte as its own value (so half-width katakana sort before
// every two-byte character). Case-sensitive. Negative, zero or positive.
int CompareCp932(std::string_view a, std::string_view b);

// A file-system path as CP932 for a message: a UTF-8 path that CP932 can write is
// converted, anything else is shown as its bytes.
std::string DisplayPath(std::string_view path);

}  // namespace nuvaro::core
