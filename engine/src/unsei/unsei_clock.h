// The local clock as the day readings see it: the hour, the day of the month and the
// month decide which half of the day, month and year the reading speaks of. Read
// through this one function so that tests can pin it.
#pragma once

#include <optional>

namespace nuvaro::unsei {

struct ClockReading {
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;   // 0-23
};

// The current local time, or the pinned one while a pin is set.
ClockReading ReadLocalClock();

// Pins the clock (tests); nullopt lets it run again. Not exported from the library.
void PinLocalClock(std::optional<ClockReading> reading);

}  // namespace nuvaro::unsei
