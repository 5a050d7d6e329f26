#include "calendar/ephemeris.h"

#include <libnova/libnova.h>

#include <cmath>

namespace nuvaro::calendar {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadian = kPi / 180;
constexpr double kArcsecond = 1.0 / 3600;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525;

// Series terms of the moon below this size (radians, about 0.02") are left out: the
// sum of what is left out stays under half an arcsecond, while the full series costs
// twenty times as much.
constexpr double kLunarTruncation = 1e-7;

// Aberration of the sun: 20.4898" at one astronomical unit.
constexpr double kAberrationArcseconds = 20.4898;
// Light takes about 1.28 s from the moon (its distance varies by a tenth, which moves
// the moon by less than 0.05").
constexpr double kLunarLightTimeDays = 384400.0 / 299792.458 / 86400;

double Wrap360(double degrees) {
  double r = std::fmod(degrees, 360.0);
  return r < 0 ? r + 360 : r;
}

// The library hands back the nutation of the date it last computed for whenever it is
// asked for one within a tenth of a day of it, so a position would depend on what was
// asked before (up to 0.015", a third of a second of a solar term). Every call of the
// library goes through this file, so the date it holds is known here; when it is near
// but not this one, a date a day off makes it compute afresh.
constexpr double kLibraryNutationReuse = 0.1;  // days
double libraryNutationDate = 0;

double NutationInLongitude(double jde) {
  ln_nutation nutation{};
  if (jde != libraryNutationDate && std::fabs(jde - libraryNutationDate) <= kLibraryNutationReuse) {
    ln_get_nutation(jde + 1, &nutation);
  }
  ln_get_nutation(jde, &nutation);
  libraryNutationDate = jde;
  return nutation.longitude;
}

}  // namespace

void PrecessEclipticFromJ2000(double jde, double& longitude, double& latitude) {
  double t = (jde - kJ2000) / kDaysPerCentury;
  double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsecond * kRadian;
  double bigPi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) * kArcsecond) * kRadian;
  double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsecond * kRadian;
  double lambda0 = longitude * kRadian;
  double beta0 = latitude * kRadian;
  double a = std::cos(eta) * std::cos(beta0) * std::sin(bigPi - lambda0) - std::sin(eta) * std::sin(beta0);
  double b = std::cos(beta0) * std::cos(bigPi - lambda0);
  double c = std::cos(eta) * std::sin(beta0) + std::sin(eta) * std::cos(beta0) * std::sin(bigPi - lambda0);
  longitude = Wrap360((p + bigPi - std::atan2(a, b)) / kRadian);
  latitude = std::asin(c) / kRadian;
}

double ApparentSunLongitude(double jde) {
  // Geometric, of J2000 (this version of the library refers VSOP87 to J2000).
  ln_helio_posn sun{};
  ln_get_solar_geom_coords(jde, &sun);
  double longitude = sun.L;
  double latitude = sun.B;
  PrecessEclipticFromJ2000(jde, longitude, latitude);
  // The library's own apparent longitude scales the aberration wrongly (by 1/360), so
  // nutation and aberration are applied here.
  return Wrap360(longitude + NutationInLongitude(jde) - kAberrationArcseconds * kArcsecond / sun.R);
}

double ApparentMoonLongitude(double jde) {
  // Seen where it was when the light left it.
  ln_rect_posn moon{};
  ln_get_lunar_geo_posn(jde - kLunarLightTimeDays, &moon, kLunarTruncation);
  double longitude = std::atan2(moon.Y, moon.X) / kRadian;
  double latitude = std::atan2(moon.Z, std::hypot(moon.X, moon.Y)) / kRadian;
  PrecessEclipticFromJ2000(jde, longitude, latitude);
  return Wrap360(longitude + NutationInLongitude(jde));
}

double ApparentElongation(double jde) {
  double d = ApparentMoonLongitude(jde) - ApparentSunLongitude(jde);
  d = std::fmod(d, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace nuvaro::calendar
