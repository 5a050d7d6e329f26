#include "calendar/astronomical_events.h"

#include <cmath>
#include <unordered_map>

#include "calendar/celestial_longitude.h"
#include "calendar/day_number.h"
#include "calendar/delta_t.h"
#include "calendar/ephemeris.h"

namespace nuvaro::calendar {
namespace {

constexpr double kSecondsPerDay = 86400;
// A local day number is the Julian day (universal time) less 0.125: JST is UT + 0.375
// and Julian days start at noon.
constexpr double kLocalFromJulian = 0.125;

constexpr double kSynodicMonth = 29.530588861;
constexpr double kFirstMeanNewMoon = 2451550.09766;  // JDE of lunation 0
constexpr double kTropicalYear = 365.242189;
constexpr double kFirstVernalEquinox = 2451623.80984;  // JDE of term 0

// Searches stop when a step is below this (days, about 0.1 s).
constexpr double kStepLimit = 1.0 / kSecondsPerDay / 10;
constexpr int kMaxSteps = 12;
// A step of the sun's ephemeris search below this (days, one hour) ends it; see
// SunLongitudeInstant.
constexpr double kSettledStep = 1.0 / 24;

double DecimalYear(double local) { return 2000.0 + (local + kLocalFromJulian - 2451544.5) / 365.25; }

double WrapSigned(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// The short series of celestial_longitude.h on the same local scale: cheap and within
// a few minutes, they bring a search close before the ephemeris is asked.
double SeriesT(double local) { return (local + kLocalFromJulian - kEpochJulianDay) * kCenturiesPerDay; }
double SeriesElongation(double local) {
  double t = SeriesT(local);
  return WrapSigned(MoonLongitude(t) - SunLongitude(t));
}
double SeriesSunOffset(double local, double target) { return WrapSigned(SunLongitude(SeriesT(local)) - target); }

// Newton's method on f (degrees, 0 at the event) with a slope from a difference of the
// cheap function g, starting at x; f may be the cheap function itself.
template <typename F, typename G>
double Solve(double x, F f, G g, double probe) {
  for (int i = 0; i < kMaxSteps; ++i) {
    double slope = (g(x + probe) - g(x)) / probe;
    double step = f(x) / slope;
    x -= step;
    if (std::fabs(step) < kStepLimit) break;
  }
  return x;
}

// The same on the cheap function alone, asking it twice a step.
template <typename G>
double Solve(double x, G g, double probe) {
  for (int i = 0; i < kMaxSteps; ++i) {
    double here = g(x);
    double step = here / ((g(x + probe) - here) / probe);
    x -= step;
    if (std::fabs(step) < kStepLimit) break;
  }
  return x;
}

std::unordered_map<int, double>& NewMoonMemo() {
  static std::unordered_map<int, double> memo;
  return memo;
}
std::unordered_map<int, double>& TermMemo() {
  static std::unordered_map<int, double> memo;
  return memo;
}

}  // namespace

double LocalToEphemerisDay(double local) {
  return local + kLocalFromJulian + DeltaTSeconds(DecimalYear(local)) / kSecondsPerDay;
}

double EphemerisToLocalDay(double jde) {
  double local = jde - kLocalFromJulian;
  return local - DeltaTSeconds(DecimalYear(local)) / kSecondsPerDay;
}

double NewMoonInstant(int lunation) {
  auto& memo = NewMoonMemo();
  if (auto found = memo.find(lunation); found != memo.end()) return found->second;
  double k = lunation;
  double t = k / 1236.85;
  double x = EphemerisToLocalDay(kFirstMeanNewMoon + kSynodicMonth * k + 0.00015437 * t * t);
  x = Solve(x, SeriesElongation, 0.01);
  x = Solve(x, [](double local) { return ApparentElongation(LocalToEphemerisDay(local)); }, SeriesElongation, 0.01);
  memo.emplace(lunation, x);
  return x;
}

double PrincipalTermInstant(int term) {
  auto& memo = TermMemo();
  if (auto found = memo.find(term); found != memo.end()) return found->second;
  double x = SunLongitudeInstant(30.0 * term, EphemerisToLocalDay(kFirstVernalEquinox + kTropicalYear / 12 * term));
  memo.emplace(term, x);
  return x;
}

double SunLongitudeInstant(double degrees, double nearLocal) {
  double target = std::fmod(degrees, 360.0);
  if (target < 0) target += 360;
  auto cheap = [target](double local) { return SeriesSunOffset(local, target); };
  double x = Solve(nearLocal, cheap, 0.1);
  // The series lands within 17 minutes of the ephemeris's instant (1900 to 2199) and its
  // slope is the ephemeris's to 1.2e-4 of itself there, so a Newton step with the
  // series' slope leaves at most 1.2e-4 of the step: after a step of up to an hour,
  // under half a second (0.1 s at worst in those years). One evaluation of the ephemeris
  // thus settles every term; a poorer start takes another step.
  for (int i = 0; i < kMaxSteps; ++i) {
    double slope = (cheap(x + 0.1) - cheap(x)) / 0.1;
    double step = WrapSigned(ApparentSunLongitude(LocalToEphemerisDay(x)) - target) / slope;
    x -= step;
    if (std::fabs(step) < kSettledStep) break;
  }
  return x;
}

double SunLongitudeInstantBetween(double degrees, double from, double fromDegrees, double to, double toDegrees) {
  double errorFrom = SeriesSunOffset(from, fromDegrees);
  double errorTo = SeriesSunOffset(to, toDegrees);
  double share = WrapSigned(degrees - fromDegrees) / WrapSigned(toDegrees - fromDegrees);
  double target = degrees + errorFrom + (errorTo - errorFrom) * share;
  auto cheap = [target](double local) { return SeriesSunOffset(local, target); };
  return Solve(from + (to - from) * share, cheap, 0.1);
}

int LunationOnOrBefore(int day) {
  int k = static_cast<int>(std::floor((day + kLocalFromJulian - kFirstMeanNewMoon) / kSynodicMonth));
  while (std::floor(NewMoonInstant(k)) > day) --k;
  while (std::floor(NewMoonInstant(k + 1)) <= day) ++k;
  return k;
}

void ForgetAstronomicalEvents() {
  NewMoonMemo().clear();
  TermMemo().clear();
}

int WinterSolsticeTerm(int year) { return 12 * (year - 2000) + 9; }

std::vector<UndecidedEvent> UndecidedEvents(int firstYear, int lastYear) {
  std::vector<UndecidedEvent> list;
  double first = CivilToDayNumber(firstYear, 1, 1, 0, 0, 0);
  double end = CivilToDayNumber(lastYear + 1, 1, 1, 0, 0, 0);
  auto check = [&list](bool newMoon, int index, double instant) {
    double fraction = instant - std::floor(instant);
    double seconds = std::fmin(fraction, 1 - fraction) * kSecondsPerDay;
    double bound = EventUncertaintySeconds(DecimalYear(instant));
    if (seconds < bound) list.push_back({newMoon, index, instant, seconds, bound});
  };
  for (int k = LunationOnOrBefore(static_cast<int>(first)) + 1; NewMoonInstant(k) < end; ++k) {
    check(true, k, NewMoonInstant(k));
  }
  int term = WinterSolsticeTerm(firstYear - 1);
  while (PrincipalTermInstant(term) < first) ++term;
  for (; PrincipalTermInstant(term) < end; ++term) check(false, term, PrincipalTermInstant(term));
  return list;
}

}  // namespace nuvaro::calendar
