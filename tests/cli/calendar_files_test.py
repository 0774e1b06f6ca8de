#!/usr/bin/env python3
"""Calendar files of vemla-cli read back by Python's icalendar module and held
against the listing or search output they were made from: the same number of
events, the same days, the same minutes in Universal Time.

Usage: calendar_files_test.py VEMLA_CLI. Exits 77 (skipped) without icalendar.
"""
import datetime
import re
import subprocess
import sys

try:
    import icalendar
except ImportError:
    print("skipped: Python's icalendar module (Debian: python3-icalendar) is missing")
    sys.exit(77)

CLI = sys.argv[1]
failures = []


def run(*args):
    return subprocess.run([CLI, *args], check=True, capture_output=True, text=True).stdout


def events(*args):
    """(all_day, date or UTC datetime, summary, uid) of each event, in order."""
    calendar = icalendar.Calendar.from_ical(run(*args, "--ics"))
    out = []
    for event in calendar.walk("VEVENT"):
        start = event.decoded("DTSTART")
        if isinstance(start, datetime.datetime):
            if start.utcoffset() != datetime.timedelta(0):
                failures.append(f"{args}: {start} is not in UTC")
            out.append((False, start.replace(tzinfo=None), str(event["SUMMARY"]), str(event["UID"])))
        else:
            out.append((True, start, str(event["SUMMARY"]), str(event["UID"])))
    return out


def day(text):
    return datetime.date.fromisoformat(text)


def jdn_date(jdn):
    return datetime.date(2000, 1, 1) + datetime.timedelta(days=jdn - 2451545)


def compare(name, exported, listed):
    if len(exported) != len(listed) or len(listed) < 5:
        failures.append(f"{name}: {len(exported)} events for {len(listed)} listed")
        return
    for (all_day, start, summary, _), (want_all_day, want) in zip(exported, listed):
        if all_day != want_all_day or start != want:
            failures.append(f"{name}: '{summary}' at {start}, listed at {want}")
    if len({uid for *_, uid in exported}) != len(exported):
        failures.append(f"{name}: UIDs repeat")


# Listings whose lines end in a day number: new years, anniversaries, months.
for args in (["list", "new-years", "--from", "79-17-01-01 CHL", "--years", "31"],
             ["anniversaries", "79-40-04-30 CHL", "--years", "12"],
             ["anniversaries", "1990-08-15 CE", "--years", "40", "--omit-invalid"],
             ["list", "leap-months", "--from", "2024-06-01 CE", "--years", "3"]):
    listed = [(True, jdn_date(int(m))) for m in re.findall(r"= +(\d+) JDN", run(*args))]
    compare(" ".join(args), events(*args), listed)

# The year data: dark moons and terms timed at 120 degrees East, 8 hours ahead of UT.
args = ["list", "year-data", "--from", "2024-06-01 CE", "--names"]
listed = [(False, datetime.datetime.fromisoformat(f"{d}T{t}") - datetime.timedelta(hours=8))
          for d, t in re.findall(r"^ *(\d{4}-\d\d-\d\d) CE (\d\d:\d\d) CCT", run(*args), re.M)]
compare(" ".join(args), events(*args), listed)

# Searches one after the other: the moments they print at GMT.
for target in ("Full moon", "Lunar quarter", "Solar term", "Solar term + dark moon"):
    args = ["search", target, "--from", "2024-01-01 CE", "--count", "12"]
    listed = [(False, datetime.datetime.fromisoformat(f"{d}T{t}"))
              for d, t in re.findall(r"^Common Era date: (\S+) CE (\d\d:\d\d) GMT", run(*args), re.M)]
    compare(" ".join(args), events(*args), listed)
args = ["search", "Lunar new year", "--from", "2024-01-01 CE", "--count", "6"]
listed = [(True, day(d)) for d in re.findall(r"^Common Era date: (\S+) CE", run(*args), re.M)]
compare(" ".join(args), events(*args), listed)

names = [summary for _, _, summary, _ in events("list", "new-years", "--from", "79-41-01-01 CHL", "--years", "1")]
if names != ["Lunar new year 4722 jia-chen (wood-dragon)"]:
    failures.append(f"new year's summary: {names}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
