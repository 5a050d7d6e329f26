// The one buffer per plug-in that holds its composed detail texts. Compose overwrites it,
// so a pointer into it is valid until the next composition; Append adds one more text
// after the last, for a plug-in that composes several texts per reading.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>

namespace nuvaro::plugins {

// Bytes of the buffer of the pair readings, terminator included. Each of those plug-ins
// asserts at build time that its three longest sentence parts fit (see LongestText in
// reading_table.h).
inline constexpr std::size_t kDetailTextCapacity = 1024;

// Writes the parts one after the other from buffer[used], without separators, then a
// terminator, and answers the terminator's index. Never writes past capacity: a part
// that would not fit is cut at a character boundary. Null parts are skipped.
std::size_t WriteTextParts(char* buffer, std::size_t capacity, std::size_t used, std::span<const char* const> parts);

template <std::size_t Capacity>
class BasicDetailTextBuffer {
 public:
  static_assert(Capacity > 0);
  static constexpr std::size_t kCapacity = Capacity;

  // The parts as the buffer's only text.
  const char* Compose(std::initializer_list<const char*> parts) {
    Clear();
    return Append(std::span<const char* const>(parts.begin(), parts.size()));
  }
  // Forgets every text composed so far.
  void Clear() { used_ = 0; }
  // The parts as one more text after those composed since the last Clear. A full buffer
  // answers an empty text.
  const char* Append(std::span<const char* const> parts) {
    if (used_ >= Capacity) return text_ + Capacity - 1;
    char* start = text_ + used_;
    used_ = WriteTextParts(text_, Capacity, used_, parts) + 1;
    return start;
  }

  const char* Text() const { return text_; }

 private:
  char text_[Capacity] = {};
  std::size_t used_ = 0;
};

using DetailTextBuffer = BasicDetailTextBuffer<kDetailTextCapacity>;

}  // namespace nuvaro::plugins
