#!/usr/bin/python3
"""Checks an exported iCalendar file with Debian's python3-icalendar, as a calendar
program would read it: it parses, every line is CRLF-ended and at most 75 octets, every
event is an all-day event with a unique UID, DTSTAMP and CATEGORIES, the expected
holidays are there on their dates, and writing the parsed calendar out and reading it
again keeps every event.

Usage: check_ics.py FILE.ics YEAR MM-DD=NAME ...   (exit status 0 when sound)
"""
import datetime
import sys

import icalendar


def fail(message):
    print("check_ics: " + message, file=sys.stderr)
    sys.exit(1)


def main():
    path, year, holidays = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    data = open(path, "rb").read()
    lines = data.split(b"\r\n")
    if lines[-1] != b"":
        fail("the file does not end with CRLF")
    for number, line in enumerate(lines[:-1], 1):
        if b"\n" in line or b"\r" in line:
            fail(f"line {number} has a bare line end")
        if len(line) > 75:
            fail(f"line {number} has {len(line)} octets")
    line.decode("utf-8")  # the whole file is UTF-8
    data.decode("utf-8")

    calendar = icalendar.Calendar.from_ical(data)
    if str(calendar.get("VERSION")) != "2.0" or not calendar.get("PRODID"):
        fail("VERSION or PRODID missing")
    events = list(calendar.walk("VEVENT"))
    if len(events) != data.count(b"BEGIN:VEVENT"):
        fail("not every VEVENT was read")
    uids = set()
    found = set()
    for event in events:
        uid = str(event["UID"])
        if uid in uids:
            fail("UID twice: " + uid)
        uids.add(uid)
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        if isinstance(start, datetime.datetime) or end - start != datetime.timedelta(days=1):
            fail("not an all-day event: " + uid)
        if start.year != year:
            fail("outside the year: " + uid)
        if "DTSTAMP" not in event or "CATEGORIES" not in event:
            fail("DTSTAMP or CATEGORIES missing: " + uid)
        found.add((start.strftime("%m-%d"), str(event["SUMMARY"])))
    for holiday in holidays:
        date, name = holiday.split("=", 1)
        if (date, name) not in found:
            fail(f"holiday {date} {name} missing")

    again = icalendar.Calendar.from_ical(calendar.to_ical())
    if sorted(str(e["UID"]) for e in again.walk("VEVENT")) != sorted(uids):
        fail("the round trip lost events")
    print(f"check_ics: {len(events)} events, {len(holidays)} holidays found")


if __name__ == "__main__":
    main()
