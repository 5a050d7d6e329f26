// Lists of numbers filled up with 0 to a fixed length, as the liking and work-support
// tables hold them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nuvaro::engine {

// Whether value equals an entry of the list; the 0 fill counts as an entry, so 0 is in
// every list that is not full.
template <std::size_t N>
bool IsInFilledList(const std::int8_t (&list)[N], int value) {
  for (std::int8_t entry : list) {
    if (entry == value) return true;
  }
  return false;
}

}  // namespace nuvaro::engine
