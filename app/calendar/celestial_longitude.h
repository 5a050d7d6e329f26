// Apparent longitudes of the sun and the moon from short periodic series, in degrees,
// as functions of T, the Julian centuries since 2000-01-01 12:00 universal time.
#pragma once

namespace nuvaro::calendar {

// Degrees to radians. Differs from pi / 180 in the last digits; this value is the one
// the calendar's results are defined with.
inline constexpr double kDegreeToRadian = 0.017453292519444445;
// 1 / 36525, days to Julian centuries.
inline constexpr double kCenturiesPerDay = 0.000027378507871321012;
// Julian day of the epoch 2000-01-01 12:00.
inline constexpr double kEpochJulianDay = 2451545;

// The angle brought into 0 to 360 degrees (a negative exact multiple of 360 gives 360).
double NormalizeAngle(double degrees);

// T for a universal-time day number given as whole part t1 and fraction t2.
double SeriesArgument(double t1, double t2);

double SunLongitude(double t);
double MoonLongitude(double t);

}  // namespace nuvaro::calendar
