#include "unsei/unsei_clock.h"

#include <ctime>

namespace nuvaro::unsei {
namespace {

std::optional<ClockReading> g_pinned;

}  // namespace

ClockReading ReadLocalClock() {
  if (g_pinned) return *g_pinned;
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_mon + 1, parts.tm_mday, parts.tm_hour};
}

void PinLocalClock(std::optional<ClockReading> reading) { g_pinned = reading; }

}  // namespace nuvaro::unsei
