// The two ways the pair tables' number lists are read. A list is filled up with 0 to its
// fixed length: a list of matches counts the fill as an entry (so 0, the index of a sum
// of 0, is in every list that is not full), while an exclusion list ends at its first 0.
// Header-only; the engine and the plug-ins read their tables with these.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nuvaro {

// Whether value equals an entry of the list, the 0 fill included.
template <std::size_t N>
bool IsInFilledList(const std::int8_t (&list)[N], int value) {
  for (std::int8_t entry : list) {
    if (entry == value) return true;
  }
  return false;
}

// Whether a or b equals an entry of the list before its first 0.
template <std::size_t N>
bool ExcludesEither(const std::int8_t (&list)[N], int a, int b) {
  for (std::int8_t entry : list) {
    if (entry == 0) break;
    if (entry == a || entry == b) return true;
  }
  return false;
}

}  // namespace nuvaro
