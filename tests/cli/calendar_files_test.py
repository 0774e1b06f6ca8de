#!/usr/bin/env python3
"""vemla-cli's calendar files read by Python's icalendar module and held against
the listing or search output they come from: the same events, days and minutes
(UT). Usage: calendar_files_test.py VEMLA_CLI; exits 77 (skipped) without icalendar."""
import datetime as dt
import re
import subprocess
import sys

try:
    import icalendar
except ImportError:
    print("skipped: Python's icalendar module (Debian: python3-icalendar) is missing")
    sys.exit(77)

failures = []


def run(*args):
    return subprocess.run([sys.argv[1], *args], check=True, capture_output=True, text=True).stdout


def check(args, pattern, listed_of):
    """The events of `args --ics` against `listed_of(match)` of each listing line."""
    listed = [listed_of(*m) if isinstance(m, tuple) else listed_of(m)
              for m in re.findall(pattern, run(*args), re.M)]
    events = icalendar.Calendar.from_ical(run(*args, "--ics")).walk("VEVENT")
    starts = [e.decoded("DTSTART") for e in events]
    starts = [s.replace(tzinfo=None) if isinstance(s, dt.datetime) and s.utcoffset() == dt.timedelta(0)
              else s for s in starts]
    if len(listed) < 5 or starts != listed or len({str(e["UID"]) for e in events}) != len(events):
        failures.append(f"{' '.join(args)}: {starts} for {listed}")


def day_of(jdn):
    return dt.date(2000, 1, 1) + dt.timedelta(days=int(jdn) - 2451545)


for args in (["list", "new-years", "--from", "79-17-01-01 CHL", "--years", "31"],
             ["anniversaries", "79-40-04-30 CHL", "--years", "12"],
             ["anniversaries", "1990-08-15 CE", "--years", "40", "--omit-invalid"],
             ["list", "leap-months", "--from", "2024-06-01 CE", "--years", "3"]):
    check(args, r"= +(\d+) JDN", day_of)
# Dark moons and solar terms timed at 120 degrees East, 8 hours ahead of UT.
check(["list", "year-data", "--from", "2024-06-01 CE", "--names"], r"^ *(\S+) CE (\d\d:\d\d) CCT",
      lambda d, t: dt.datetime.fromisoformat(f"{d}T{t}") - dt.timedelta(hours=8))
for target in ("Full moon", "Lunar quarter", "Solar term", "Solar term + dark moon"):
    check(["search", target, "--from", "2024-01-01 CE", "--count", "12"],
          r"^Common Era date: (\S+) CE (\d\d:\d\d) GMT", lambda d, t: dt.datetime.fromisoformat(f"{d}T{t}"))
check(["search", "Lunar new year", "--from", "2024-01-01 CE", "--count", "6"],
      r"^Common Era date: (\S+) CE", dt.date.fromisoformat)

print("\n".join(failures))
sys.exit(1 if failures else 0)
