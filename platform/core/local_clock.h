// The local clock, read through one function so that tests can pin the time.
#pragma once

#include <optional>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int hour = 0;   // 0-23
  int minute = 0;
  int second = 0;
  int weekday = 0;  // 0 = Sunday
};

// The current local time, or the pinned time while one is set.
NUVARO_PLATFORM_API LocalTime GetLocalTime();

// Pins the clock to a fixed time (tests); nullopt lets it run again.
NUVARO_PLATFORM_API void PinLocalTime(std::optional<LocalTime> time);

}  // namespace nuvaro::platform
