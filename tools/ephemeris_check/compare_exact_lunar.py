#!/usr/bin/python3
"""Cross-check of `nuvaro-cli day --lunar exact` against an independent computation.

PyEphem (Debian package python3-ephem, its own ephemeris code and its own ΔT) gives the
new moons and principal terms; the months are numbered with the same rule (the month of
the winter solstice is the 11th; in a 13-month year the first month without a principal
term is the leap month). Every day from 1999-12-01 to 2100-01-31 is compared.

    /usr/bin/python3 tools/ephemeris_check/compare_exact_lunar.py build/bin/nuvaro-cli

Not part of the build or the tests: it needs python3-ephem, which the program does not.
"""
import bisect
import datetime
import json
import math
import subprocess
import sys

import ephem

H9 = 9 * ephem.hour
def jst_day(d):  # ephem date (UT) -> JST civil date ordinal
    return datetime.date(1899, 12, 31).toordinal() + int(math.floor(d + H9 + 0.5))
# ephem.Date(0) is 1899/12/31 12:00 UT; JST midnight starts the day.
assert jst_day(ephem.Date('2000/1/1 00:00')) == datetime.date(2000, 1, 1).toordinal()
assert jst_day(ephem.Date('2000/1/1 15:00')) == datetime.date(2000, 1, 2).toordinal()
nm = []
d = ephem.Date('1998/10/1')
while d < ephem.Date('2101/6/1'):
    d = ephem.next_new_moon(d + 1)
    nm.append(float(d))
starts = [jst_day(x) for x in nm]
def sunlon(d):
    s = ephem.Sun(d)
    return math.degrees(ephem.Ecliptic(s, epoch=d).lon)
def term_instant(target, guess):
    lo, hi = guess - 8, guess + 8
    def f(t):
        x = (sunlon(t) - target + 180) % 360 - 180
        return x
    for _ in range(60):
        mid = (lo + hi) / 2
        if f(mid) < 0: lo = mid
        else: hi = mid
    return (lo + hi) / 2
# winter solstices and principal terms from 1998 to 2101
ve2000 = float(ephem.next_equinox('2000/3/1'))
term_days = {}
for i in range(-12 * 2, 12 * 102):
    guess = ve2000 + i * 365.242189 / 12
    term_days[i] = jst_day(term_instant((30 * i) % 360, guess))
def ws_term(year): return 12 * (year - 2000) + 9
def lun_on_or_before(day): return bisect.bisect_right(starts, day) - 1
def eleventh(year): return lun_on_or_before(term_days[ws_term(year)])
def lunar(date):
    day = date.toordinal(); y = date.year
    ay = y; a = eleventh(y)
    if day < starts[a]: ay = y - 1; a = eleventh(ay)
    na = eleventh(ay + 1)
    k = lun_on_or_before(day); off = k - a
    month = (10 + off) % 12 + 1; leap = 0
    if na - a > 12:
        sol = ws_term(ay)
        for i in range(1, off + 1):
            if term_days[sol + i] >= starts[a + i + 1]:
                leap = 1 if i == off else 0
                month = (10 + off - 1) % 12 + 1
                break
    ly = y - 1 if (month > 9 and month > date.month) else y
    return ly, leap, month, day - starts[k] + 1
def label(ly, leap, m, d):
    mt = ('閏' if leap else '') + ('正月' if m == 1 else '%2d月' % m)
    dt = '朔日' if d == 1 else '%2d日' % d
    return '旧暦%4d年%s%s' % (ly, mt, dt)


def main():
    first, last = datetime.date(1999, 12, 1), datetime.date(2100, 1, 31)
    days = [first + datetime.timedelta(days=n) for n in range((last - first).days + 1)]
    lines = "".join("--lunar exact %s\n" % d.isoformat() for d in days)
    out = subprocess.run([sys.argv[1], "day", "--batch"], input=lines, capture_output=True, text=True, check=True)
    differences = 0
    for line in out.stdout.splitlines():
        answer = json.loads(line)
        reference = label(*lunar(datetime.date.fromisoformat(answer["date"])))
        if reference != answer["oldCalendar"]:
            differences += 1
            print(answer["date"], "nuvaro", answer["oldCalendar"], "pyephem", reference)
    print("days", len(days), "differences", differences)
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
