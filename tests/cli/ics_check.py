#!/usr/bin/python3
"""nelvora-report --format ics read by real iCalendar readers: python3-icalendar parses it, python3-dateutil expands
its rules against what --format tsv lists on 60 days of a century, and khal imports and lists it.

usage: ics_check.py NELVORA-REPORT CORPUS-FOLDER
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
from bisect import bisect_left

from dateutil.rrule import rrulestr
from icalendar import Calendar

program, corpus = os.path.abspath(sys.argv[1]), os.path.join(os.path.abspath(sys.argv[2]), "vcards")
work = tempfile.mkdtemp(prefix="nelvora-ics-")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*arguments, user=None):
    command = [program, *arguments]
    if user is not None:
        command = ["setpriv", f"--reuid={user}", f"--regid={user}", "--clear-groups", *command]
    return subprocess.run(command, cwd=work, capture_output=True)


def card(name, uid=None, bday=None, anniversary=None, extra=""):
    lines = ["BEGIN:VCARD", "VERSION:3.0", f"FN:{name}"]
    lines += [f"UID:{uid}"] if uid else []
    lines += [f"BDAY:{bday}"] if bday else []
    lines += [f"ANNIVERSARY:{anniversary}"] if anniversary else []
    return "\r\n".join(lines + ([extra] if extra else []) + ["END:VCARD", ""])


# What the corpus lacks: 29 February with and without a year, the three ways of writing no year, and a name made
# of everything a text value must escape, a control character and 300 bytes of three-byte UTF-8.
BAD_NAME = "Semi\\;colon\\,comma\\\\back\\nline\x01bell " + "\u20ac" * 100
extra = os.path.join(work, "extra")
os.mkdir(extra)
with open(os.path.join(extra, "extra.vcf"), "w", encoding="utf-8", newline="") as out:
    out.write(card("Leap Day", "leap-uid", "1992-02-29", "2000-06-01"))
    out.write(card("Yearless Leap", None, "--0229"))
    out.write(card("Yearless July", "july-uid", "--07-04"))
    out.write(card("Apple Placeholder", None, "1604-11-05", extra="X-APPLE-OMIT-YEAR:1604"))
    out.write(card(BAD_NAME, "odd;uid,\\", "1985-12-31"))


def calendar(*arguments):
    target = os.path.join(work, "birthdays.ics")
    result = run("--format", "ics", "--today", "2026-01-01", "--output", target, *arguments)
    check(result.returncode in (0, 1) and result.stdout == b"", f"ics run: {result}")
    with open(target, "rb") as file:
        return file.read()


both = ["--contacts", corpus, "--contacts", extra]
raw = calendar(*both)
check(raw == calendar("--contacts", extra, "--contacts", corpus), "the stores' order changes the file")
check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "a line ends without CR LF")
for line in raw.split(b"\r\n"):
    check(len(line) <= 75, f"line of {len(line)} octets: {line!r}")
text = raw.decode("utf-8")  # must be UTF-8 as a whole
parsed = Calendar.from_ical(text)
check(str(parsed["VERSION"]) == "2.0" and "Nelvora" in str(parsed["PRODID"]), "calendar header")

# (date as written, name, kind) of every event, with the dates it falls on over the century.
events = []
uids = set()
for event in parsed.walk("VEVENT"):
    for field in ("UID", "DTSTAMP", "DTSTART", "RRULE", "SUMMARY", "CATEGORIES", "TRANSP", "CLASS"):
        check(field in event, f"{event.get('SUMMARY')}: no {field}")
    check("DTEND" not in event and "DURATION" not in event, f"{event['SUMMARY']}: not one day")
    uid = str(event["UID"])
    check(uid not in uids, f"UID {uid} twice")
    uids.add(uid)
    start = event["DTSTART"].dt
    check(type(start) is datetime.date, f"{event['SUMMARY']}: not all-day")
    check(event.decoded("DTSTAMP") == datetime.datetime(2026, 1, 1, tzinfo=datetime.timezone.utc), "DTSTAMP")
    check(str(event["TRANSP"]) == "TRANSPARENT" and str(event["CLASS"]) == "PRIVATE", "TRANSP or CLASS")
    kind = event["CATEGORIES"].to_ical().decode()
    check(kind in ("BIRTHDAY", "ANNIVERSARY"), f"category {kind}")
    check(uid.endswith("-" + kind.lower()), f"UID {uid} does not name its kind")
    summary = str(event["SUMMARY"])
    name, _, rest = summary.rpartition(" \u2013 ")
    yearless = str(event.get("X-NELVORA-YEAR-UNKNOWN", "")) == "1"
    if yearless:
        check(start.year == (1972 if (start.month, start.day) == (2, 29) else 1970), f"{summary}: {start}")
        check(rest == kind.lower(), f"{summary}: shows a year")
    else:
        check(rest == f"{kind.lower()} ({start.year})", f"{summary}: no year")
    leap = {"BYMONTH": [2], "BYMONTHDAY": [-1]} if (start.month, start.day) == (2, 29) else {}
    check(dict(event["RRULE"]) == {"FREQ": ["YEARLY"], **leap}, f"{summary}: {event['RRULE']}")
    rule = event["RRULE"].to_ical().decode()
    dates = rrulestr(rule, dtstart=datetime.datetime.combine(start, datetime.time()))
    century = [d.date() for d in dates.between(datetime.datetime(2026, 1, 1), datetime.datetime(2126, 12, 31), True)]
    events.append((century, name, "bday." if kind == "BIRTHDAY" else "anniv."))
check("odd;uid,\\-birthday" in uids, f"the card's own UID is not kept: {sorted(uids)}")
check(any(name == BAD_NAME.replace("\\;", ";").replace("\\,", ",").replace("\\\\", "\\")
          .replace("\\n", " ").replace("\x01", " ") for _, name, _ in events), "the odd name does not read back")
check(len(events) > 40, f"only {len(events)} events")

# Every day the report lists in a window of a year is a day the rules give, and the other way round.
days = [datetime.date(2026, 3, 7) + datetime.timedelta(days=607 * i) for i in range(57)]
days += [datetime.date(2027, 2, 27), datetime.date(2028, 2, 28), datetime.date(2100, 2, 27)]
for today in days:
    listed = set()
    result = run(*both, "--today", today.isoformat(), "--days", "365", "--format", "tsv")
    for line in result.stdout.decode("utf-8").splitlines():
        group, name, what, _ = line.split("\t")
        ahead = {"today": 0, "tomorrow": 1}.get(group)
        if ahead is None:
            ahead = int(what.split(" occurs in ")[1].split()[0])
        listed.add((today + datetime.timedelta(days=ahead), name, what.split()[0]))
    expanded = set()
    for century, name, kind in events:
        at = bisect_left(century, today)
        if at < len(century) and century[at] <= today + datetime.timedelta(days=365):
            expanded.add((century[at], name, kind))
    check(listed == expanded, f"{today}: tsv only {sorted(listed - expanded)}, ics only {sorted(expanded - listed)}")

# Alarms ring at 09:00 the given number of days before.
with_alarms = Calendar.from_ical(calendar("--contacts", extra, "--alarm", "7", "--alarm", "0", "--alarm", "1"))
for event in with_alarms.walk("VEVENT"):
    start = datetime.datetime.combine(event["DTSTART"].dt, datetime.time())
    rings = sorted(start + alarm.decoded("TRIGGER") for alarm in event.walk("VALARM"))
    check(rings == [start + datetime.timedelta(days=d, hours=9) for d in (-7, -1, 0)], f"alarms {rings}")

# With a time of day chosen for the new day's check (07:45, offset 28 of the options file), the alarms ring then.
options = os.path.join(work, "options")
os.mkdir(options)
with open(os.path.join(options, "Nelvora.cfg"), "wb") as out:
    out.write(bytes(4) + (0x1234).to_bytes(4, "little") + bytes(20) + (7 * 60 + 45).to_bytes(4, "little"))
at_quarter = Calendar.from_ical(calendar("--contacts", extra, "--config-dir", options, "--alarm", "2", "--alarm", "0"))
for event in at_quarter.walk("VEVENT"):
    start = datetime.datetime.combine(event["DTSTART"].dt, datetime.time())
    rings = sorted(start + alarm.decoded("TRIGGER") for alarm in event.walk("VALARM"))
    check(rings == [start + datetime.timedelta(days=d, hours=7, minutes=45) for d in (-2, 0)], f"alarms at 07:45 {rings}")

# A folder the program may not write to: status 2, the old file whole, nothing left beside it.
locked = os.path.join(work, "locked")
os.mkdir(locked)
with open(os.path.join(locked, "birthdays.ics"), "w") as old:
    old.write("old calendar")
os.chmod(locked, 0o555)
os.chmod(work, 0o755)
result = run(*both, "--format", "ics", "--output", os.path.join(locked, "birthdays.ics"),
             user=65534 if os.geteuid() == 0 else None)
check(result.returncode == 2, f"read-only folder: status {result.returncode}, {result.stderr!r}")
check(os.listdir(locked) == ["birthdays.ics"], f"left in the folder: {os.listdir(locked)}")
with open(os.path.join(locked, "birthdays.ics")) as old:
    check(old.read() == "old calendar", "the old file was changed")

# khal, a real client, imports the file and shows 29 February and a year-less date where they fall.
khal_home = os.path.join(work, "khal")
os.makedirs(os.path.join(khal_home, "birthdays"))
with open(os.path.join(khal_home, "config"), "w") as config:
    config.write(f"""[calendars]
[[birthdays]]
path = {khal_home}/birthdays
[sqlite]
path = {khal_home}/khal.db
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
[default]
default_calendar = birthdays
""")
khal_env = dict(os.environ, XDG_CONFIG_HOME=khal_home, XDG_DATA_HOME=khal_home, TZ="UTC")
khal = ["khal", "-c", os.path.join(khal_home, "config")]
subprocess.run(khal + ["import", "--batch", "-a", "birthdays", os.path.join(work, "birthdays.ics")],
               env=khal_env, check=True, capture_output=True)
for day, shown in (("2027-02-28", "Leap Day"), ("2028-02-29", "Leap Day"), ("2027-07-04", "Yearless July")):
    listing = subprocess.run(khal + ["list", "--format", "{title}", day, "1d"], env=khal_env,
                             capture_output=True, text=True).stdout
    check(shown in listing, f"khal on {day}: {listing!r}")
listing = subprocess.run(khal + ["list", "--format", "{title}", "2027-03-01", "1d"], env=khal_env,
                         capture_output=True, text=True).stdout
check("Leap Day" not in listing, f"khal shows 29 February twice in 2027: {listing!r}")

os.chmod(locked, 0o755)
shutil.rmtree(work, ignore_errors=True)
for failure in failures[:40]:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
