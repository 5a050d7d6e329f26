// ΔT, the difference between terrestrial time (the clock of the ephemerides) and
// universal time (the clock of the civil day), in seconds, and how far it may be off.
#pragma once

namespace nuvaro::calendar {

// ΔT for a decimal year: observed yearly values for 2000 to 2025, then the
// Espenak–Meeus polynomials shifted to join the last observed value; before 2000 their
// polynomial of 1986–2005, and before 1986 the long-term parabola.
double DeltaTSeconds(double year);

// A generous bound of the error of an event's instant in seconds: the ephemeris and
// ΔT for observed years, growing with the square of the years after 2025 as the
// Earth's rotation cannot be foreseen.
double EventUncertaintySeconds(double year);

}  // namespace nuvaro::calendar
