// The one buffer per plug-in that holds the last composed detail text. Each composition
// overwrites it, so a pointer into it is valid until the next one.
#pragma once

#include <cstddef>
#include <initializer_list>

namespace nuvaro::plugins {

// Bytes of the buffer, terminator included. Each plug-in asserts at build time that its
// three longest sentence parts fit (see LongestText in reading_table.h).
inline constexpr std::size_t kDetailTextCapacity = 1024;

class DetailTextBuffer {
 public:
  // Writes the parts one after the other, without separators, and returns the text.
  // Never writes past the buffer: a part that would not fit is cut at a character
  // boundary (which the build-time check rules out for the plug-ins' own texts).
  const char* Compose(std::initializer_list<const char*> parts);

  const char* Text() const { return text_; }

 private:
  char text_[kDetailTextCapacity] = {};
};

}  // namespace nuvaro::plugins
