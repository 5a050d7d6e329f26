#include "calendar/celestial_longitude.h"

#include <cmath>

namespace nuvaro::calendar {
namespace {

// 1 / 360.
constexpr double kTurnsPerDegree = 0.002777777777777778;

// One periodic term: amplitude x cos(rate x T + phase), in degrees.
struct PeriodicTerm {
  double amplitude;
  double rate;  // degrees per Julian century
  double phase;
};

constexpr PeriodicTerm kSunTerms[] = {
    {0.0004, 31557, 161},  {0.0004, 29930, 48},  {0.0005, 2281, 221},   {0.0005, 155, 118},
    {0.0006, 33718, 316},  {0.0007, 9038, 64},   {0.0007, 3035, 110},   {0.0007, 65929, 45},
    {0.0013, 22519, 352},  {0.0015, 45038, 254}, {0.0018, 445267, 208}, {0.0018, 19, 159},
    {0.002, 32964, 158},   {0.02, 71998.1, 265.1},
};

constexpr PeriodicTerm kMoonTerms[] = {
    {0.0003, 2322131, 191},      {0.0003, 4067, 70},          {0.0003, 549197, 220},
    {0.0003, 1808933, 58},       {0.0003, 349472, 337},       {0.0003, 381404, 354},
    {0.0003, 958465, 340},       {0.0004, 12006, 187},        {0.0004, 39871, 223},
    {0.0005, 509131, 242},       {0.0005, 1745069, 24},       {0.0005, 1908795, 90},
    {0.0006, 2258267, 156},      {0.0006, 111869, 38},        {0.0007, 27864, 127},
    {0.0007, 485333, 186},       {0.0007, 405201, 50},        {0.0007, 790672, 114},
    {0.0008, 1403732, 98},       {0.0009, 858602, 129},       {0.0011, 1920802, 186},
    {0.0012, 1267871, 249},      {0.0016, 1856938, 152},      {0.0018, 401329, 274},
    {0.0021, 341337, 16},        {0.0021, 71998, 85},         {0.0021, 990397, 357},
    {0.0022, 818536, 151},       {0.0023, 922466, 163},       {0.0024, 99863, 122},
    {0.0026, 1379739, 17},       {0.0027, 918399, 182},       {0.0028, 1934, 145},
    {0.0037, 541062, 259},       {0.0038, 1781068, 21},       {0.004, 133, 29},
    {0.004, 1844932, 56},        {0.004, 1331734, 283},       {0.005, 481266, 205},
    {0.0052, 31932, 107},        {0.0068, 926533, 323},       {0.0079, 449334, 188},
    {0.0085, 826671, 111},       {0.01, 1431597, 315},        {0.0107, 1303870, 246},
    {0.011, 489205, 142},        {0.0125, 1443603, 52},       {0.0154, 75870, 41},
    {0.0304, 513197.9, 222.5},   {0.0347, 445267.1, 27.9},    {0.0409, 441199.8, 47.4},
    {0.0458, 854535.2, 148.2},   {0.0533, 1367733.1, 280.7},  {0.0571, 377336.3, 13.2},
    {0.0588, 63863.5, 124.2},    {0.1144, 966404, 276.5},     {0.1851, 35999.05, 87.53},
    {0.2136, 954397.74, 179.93}, {0.6583, 890534.22, 145.7},  {1.274, 413335.35, 10.74},
    {6.2888, 477198.868, 44.963},
};

static_assert(sizeof kSunTerms / sizeof kSunTerms[0] == 14);
static_assert(sizeof kMoonTerms / sizeof kMoonTerms[0] == 61);

// Sum of the terms in table order.
template <std::size_t N>
double SeriesSum(const PeriodicTerm (&terms)[N], double t) {
  double sum = 0;
  for (const PeriodicTerm& term : terms) {
    sum += term.amplitude * std::cos(kDegreeToRadian * NormalizeAngle(term.rate * t + term.phase));
  }
  return sum;
}

}  // namespace

double NormalizeAngle(double degrees) {
  if (degrees >= 0) return degrees - std::trunc(degrees * kTurnsPerDegree) * 360;
  return 360 - (-degrees - std::trunc(-degrees * kTurnsPerDegree) * 360);
}

double SeriesArgument(double t1, double t2) {
  return (t2 + 0.5) * kCenturiesPerDay + (t1 - kEpochJulianDay) * kCenturiesPerDay;
}

double SunLongitude(double t) {
  double sum = SeriesSum(kSunTerms, t);
  // Equation of the centre, with its slow secular decrease.
  double c = std::cos(kDegreeToRadian * NormalizeAngle(35999.05 * t + 267.52));
  sum = sum - c * t * 0.0048 + c * 1.9147;
  double mean = NormalizeAngle(NormalizeAngle(36000.7695 * t) + 280.4659);
  return NormalizeAngle(sum + mean);
}

double MoonLongitude(double t) {
  double sum = SeriesSum(kMoonTerms, t);
  double mean = NormalizeAngle(NormalizeAngle(481267.8809 * t) + 218.3162);
  return NormalizeAngle(sum + mean);
}

}  // namespace nuvaro::calendar
