// Apparent geocentric longitudes of the sun and the moon from the ephemeris library
// (VSOP87 for the sun, ELP 2000-82B for the moon), referred to the true equinox and
// ecliptic of date. Time is the Julian ephemeris day (terrestrial time).
// The library keeps caches of its own: call from one thread only.
#pragma once

namespace nuvaro::calendar {

// Apparent solar longitude in degrees, 0 to 360.
double ApparentSunLongitude(double jde);

// Apparent lunar longitude in degrees, 0 to 360.
double ApparentMoonLongitude(double jde);

// Moon minus sun in degrees, brought into -180 to 180 (0 at new moon).
double ApparentElongation(double jde);

// Ecliptic coordinates of the mean equinox and ecliptic of J2000 carried to the mean
// ecliptic and equinox of the date jde (rigorous rotation, IAU 1976 angles). Degrees.
void PrecessEclipticFromJ2000(double jde, double& longitude, double& latitude);

}  // namespace nuvaro::calendar
