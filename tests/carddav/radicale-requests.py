#!/usr/bin/python3
"""Checks Radicale's debug log from a given line on: the book was synced with one sync-collection REPORT carrying
the saved token, then one addressbook-multiget of exactly the named cards, and its cards were never listed whole.
    radicale-requests.py LOG FIRST-LINE SAVED-TOKEN CARD...
"""
import re
import sys

log, first, token, cards = sys.argv[1], int(sys.argv[2]), sys.argv[3], set(sys.argv[4:])
lines = open(log, encoding="utf-8", errors="replace").read().splitlines()[first:]

requests = []  # (method, path, depth, body)
current = None
reading_body = False
for line in lines:
    started = re.search(r"\] (\w+) request for '([^']*)' with depth '(\d*)'", line)
    if started:
        current = [started.group(1), started.group(2), started.group(3), ""]
        requests.append(current)
        reading_body = False
    elif "Request content:" in line:
        reading_body = True
    elif line.startswith("["):
        reading_body = False
    elif reading_body and current is not None:
        current[3] += line + "\n"

book = [r for r in requests if r[1] == "/alice/family/"]
syncs = [r for r in book if r[0] == "REPORT" and "sync-collection" in r[3]]
multigets = [r for r in book if r[0] == "REPORT" and "addressbook-multiget" in r[3]]
listings = [r for r in book if r[0] == "PROPFIND" and r[2] == "1"]
problems = []
if len(syncs) != 1 or f"<sync-token>{token}</sync-token>" not in syncs[0][3].replace(" ", ""):
    problems.append(f"expected one sync-collection with the saved token, saw {[s[3] for s in syncs]}")
if len(multigets) != 1:
    problems.append(f"expected one multiget, saw {len(multigets)}")
else:
    asked = {href.rsplit("/", 1)[-1] for href in re.findall(r"<href>([^<]*)</href>", multigets[0][3])}
    if asked != cards:
        problems.append(f"the multiget asked for {sorted(asked)}, not {sorted(cards)}")
if listings:
    problems.append("the book's cards were listed whole")
for problem in problems:
    print("radicale-requests:", problem, file=sys.stderr)
sys.exit(1 if problems else 0)
