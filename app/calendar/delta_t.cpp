#include "calendar/delta_t.h"

#include <cmath>

namespace nuvaro::calendar {
namespace {

constexpr int kFirstObservedYear = 2000;
constexpr int kLastObservedYear = 2025;
// ΔT at the start of each year 2000 to 2025 (IERS observations, rounded to 0.1 s).
constexpr double kObserved[] = {63.8, 64.1, 64.3, 64.5, 64.6, 64.7, 64.8, 65.1, 65.5,
                                65.8, 66.1, 66.3, 66.6, 66.9, 67.3, 67.6, 68.1, 68.6,
                                69.0, 69.2, 69.4, 69.4, 69.3, 69.2, 69.2, 69.1};
static_assert(sizeof kObserved / sizeof kObserved[0] == kLastObservedYear - kFirstObservedYear + 1);

// Espenak–Meeus: 2005–2050 and 2050–2150 (they meet at 2050).
double EspenakMeeus(double year) {
  if (year < 2050) {
    double t = year - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  double u = (year - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

// Ephemeris error of the truncated lunar and solar theories, in seconds of an event.
constexpr double kEphemerisSeconds = 15;

}  // namespace

double DeltaTSeconds(double year) {
  if (year < 1986) {
    // Long-term parabola (Morrison–Stephenson): hours off in antiquity, never days.
    double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
  }
  if (year <= kFirstObservedYear) {
    double t = year - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t;
  }
  if (year < kLastObservedYear) {
    int i = static_cast<int>(std::floor(year)) - kFirstObservedYear;
    double f = year - std::floor(year);
    return kObserved[i] + f * (kObserved[i + 1] - kObserved[i]);
  }
  return kObserved[kLastObservedYear - kFirstObservedYear] + EspenakMeeus(year) - EspenakMeeus(kLastObservedYear);
}

double EventUncertaintySeconds(double year) {
  double ahead = year > kLastObservedYear ? year - kLastObservedYear : 0;
  return kEphemerisSeconds + 0.05 * ahead * ahead;
}

}  // namespace nuvaro::calendar
