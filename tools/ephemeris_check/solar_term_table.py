#!/usr/bin/python3
"""Writes the table of solar-term moments for 2000 to 2099 that the calendar's tests
compare the program's own terms with.

The moments come from PyEphem (Debian's python3-ephem, the astronomy of XEphem's
libastro), a computation independent of the program's: libastro's own solar theory,
nutation, aberration and clock correction, and a bisection on the apparent geocentric
ecliptic longitude of date, where the program solves with Newton's method on libnova's
VSOP87 through its own clock correction.

Usage: /usr/bin/python3 tools/ephemeris_check/solar_term_table.py > tests/calendar/data/solar_terms_2000_2099.txt
"""
import math

import ephem

FIRST_YEAR, LAST_YEAR = 2000, 2099
JST = 9 / 24.0  # days


def longitude(date):
    sun = ephem.Sun(date)
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=date), epoch=date).lon)


def offset(date, target):
    d = (longitude(date) - target) % 360.0
    return d - 360.0 if d > 180.0 else d


def crossing(target, guess):
    lo, hi = guess - 5.0, guess + 5.0
    assert offset(lo, target) < 0 < offset(hi, target)
    while hi - lo > 1e-7:  # about 0.01 s
        mid = (lo + hi) / 2
        if offset(mid, target) < 0:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def main():
    print("# Solar terms 2000-2099 from PyEphem (tools/ephemeris_check/solar_term_table.py).")
    print("# JST date, JST time to the second, kind (0 = 立春, the sun at 315°, … 23 = 大寒),")
    print("# or L and the longitude for the seasonal days the sun decides (入梅, 半夏生, 土用入り).")
    tropical = 365.242189
    # 立春 of 2000 is close to 2000-02-04 11:40 UT.
    first = ephem.Date("2000/2/4 11:40")
    n = -2
    while True:
        target = (315.0 + 15.0 * n) % 360.0
        instant = crossing(target, float(first) + tropical / 24 * n)
        local = ephem.Date(instant + JST)
        y, mo, d, h, mi, s = local.tuple()
        if y > LAST_YEAR:
            break
        if y >= FIRST_YEAR:
            print(f"{y:04d}-{mo:02d}-{d:02d} {h:02d}:{mi:02d}:{int(s):02d} {n % 24}")
            # Each extra longitude follows the term just below it: 297° 小寒 (285°), 27°
            # 清明 (15°), 80° 芒種 (75°), 100° 夏至 (90°), 117° 小暑 (105°), 207° 寒露 (195°).
            extra = {22: 297.0, 4: 27.0, 8: 80.0, 9: 100.0, 10: 117.0, 16: 207.0}.get(n % 24)
            if extra is not None:
                guess = instant + ((extra - target) % 360.0) * tropical / 360.0
                e = ephem.Date(crossing(extra, guess) + JST)
                ey, emo, ed, eh, emi, es = e.tuple()
                if FIRST_YEAR <= ey <= LAST_YEAR:
                    print(f"{ey:04d}-{emo:02d}-{ed:02d} {eh:02d}:{emi:02d}:{int(es):02d} L{int(extra)}")
        n += 1


if __name__ == "__main__":
    main()
