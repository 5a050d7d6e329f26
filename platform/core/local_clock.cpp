#include "platform/core/local_clock.h"

#include <ctime>

namespace nuvaro::platform {
namespace {
std::optional<LocalTime> g_pinned;
}

LocalTime GetLocalTime() {
  if (g_pinned) return *g_pinned;
  std::time_t now = std::time(nullptr);
  std::tm parts {};
  localtime_r(&now, &parts);
  LocalTime time;
  time.year = parts.tm_year + 1900;
  time.month = parts.tm_mon + 1;
  time.day = parts.tm_mday;
  time.hour = parts.tm_hour;
  time.minute = parts.tm_min;
  time.second = parts.tm_sec;
  time.weekday = parts.tm_wday;
  return time;
}

void PinLocalTime(std::optional<LocalTime> time) { g_pinned = time; }

}  // namespace nuvaro::platform
