// Which of two phrasings a day reading uses: for each of the eight sums, one small
// counter per part (day, month, year), each 0, 1 or 2. A sum's day phrasing alternates
// from use to use; every second-phrasing day moves its month counter on, and every
// second-phrasing month moves its year counter on.
#pragma once

#include <array>

#include "unsei/unsei_tables.h"

namespace nuvaro::unsei {

class AlternationState {
 public:
  // Every counter to 1: the next use of each sum starts with first phrasings.
  void Reset();

  // The phrasing for the next use of sum s in a part; moves the counters on.
  Phrasing Next(UnseiSum sum, UnseiPart part);

  // The counter of a sum and part (0, 1 or 2).
  int Counter(UnseiSum sum, UnseiPart part) const;

 private:
  // Counters start at 0, as when the library has just been loaded.
  std::array<std::array<int, kUnseiPartCount>, kUnseiSumCount> counters_{};
};

}  // namespace nuvaro::unsei
