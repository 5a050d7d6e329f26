// New moons and principal solar terms (中気, solar longitude a multiple of 30°) from the
// ephemeris, as local day numbers of Japan Standard Time (a whole number at 0:00 JST,
// the scale of day_number.h). Each event is computed once per run and then reused:
// the instants never change, so a drawing never sees stale values.
// Call from one thread only (the ephemeris library and this memo are not guarded).
#pragma once

#include <vector>

namespace nuvaro::calendar {

// Lunation 0 is the new moon of 2000-01-06; lunations count on and back from it.
double NewMoonInstant(int lunation);

// Principal term 0 is the vernal equinox of 2000 (longitude 0°); term i has the
// longitude 30·i modulo 360 (term 9 the winter solstice of 2000, 12 terms a year).
double PrincipalTermInstant(int term);

// The instant the apparent solar longitude reaches `degrees` (any value; taken modulo
// 360), searched from `nearLocal`, which must lie within about a month of it. Not kept:
// callers that ask again keep the answer themselves.
double SunLongitudeInstant(double degrees, double nearLocal);

// The same between two instants whose solar longitudes are known (`fromDegrees` at
// `from`, `toDegrees` at `to`, at most a month apart, `degrees` between them): the short
// series corrected by its error at both ends, taken as changing evenly in between
// (within seconds; the ephemeris is not asked again).
double SunLongitudeInstantBetween(double degrees, double from, double fromDegrees, double to, double toDegrees);

// The lunation whose new moon falls on the local day `day` or is the last one before it.
int LunationOnOrBefore(int day);

// The index of the winter solstice (longitude 270°) in December of the civil year.
int WinterSolsticeTerm(int year);

// An event whose instant lies closer to a local midnight than its uncertainty
// (EventUncertaintySeconds): the day it falls on cannot be decided.
struct UndecidedEvent {
  bool newMoon = false;     // else a principal term
  int index = 0;            // lunation or term
  double instant = 0;       // local day number
  double secondsFromMidnight = 0;
  double uncertaintySeconds = 0;
};
std::vector<UndecidedEvent> UndecidedEvents(int firstYear, int lastYear);

// Forgets every computed event, so that a benchmark can time a first drawing.
void ForgetAstronomicalEvents();

// Terrestrial time minus universal time in days at a local day number, and the local
// day number of a Julian ephemeris day.
double LocalToEphemerisDay(double local);
double EphemerisToLocalDay(double jde);

}  // namespace nuvaro::calendar
