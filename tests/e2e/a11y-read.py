"""Reads the running Nelvora window through the accessibility bus as a screen reader does: the named list with its
columns, its heading rows, every event row spoken as the event its columns show, the named controls of every page,
no focusable control without a name.
Usage: a11y-read.py <years of the birthday due today> <contact due today> <window row>...
A window row is "name|birthday|days" or "name|anniversary|days", in the order the list shows them."""
import os
import re
import sys
import time

import pyatspi

years, today_name = int(sys.argv[1]), sys.argv[2]
window_rows = [tuple(row.split("|")) for row in sys.argv[3:]]
EVENT = re.compile(r"^(bday|anniv)\.(?: (\d+))?(?: occurs in (\d+) days)? ?$")
LISTS = (pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def walk(node, found):
    """Every object below node; a list's cells are read through its table interface instead."""
    for child in node:
        if child is not None:
            found.append(child)
            if child.getRole() not in LISTS:
                walk(child, found)
    return found


def read_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "nelvora":
            objects = walk(app, [])
            lists = [o for o in objects if o.getRole() in LISTS]
            if lists and lists[0].queryTable().nRows > 3:
                return objects, lists[0]
    return [], None


def label_of(node):
    """On Linux the toolkit names a drop-down by its item and links it to its label."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name
    return node.name


deadline = time.time() + 20  # the window comes up a moment after the program starts
objects, events = read_window()
while events is None and time.time() < deadline:
    time.sleep(0.2)
    objects, events = read_window()
if events is None:
    sys.exit("no list in the window (is the program on the accessibility bus?)")

table = events.queryTable()
cell = lambda row, column: table.getAccessibleAt(row, column).name  # noqa: E731
columns = [table.getColumnDescription(c) for c in range(table.nColumns)]
check(events.name == "Due events", f"the list is named {events.name!r}")
check(columns == ["Name", "Event", "Date"], f"the columns are named {columns}")
check(events.getState().contains(pyatspi.STATE_FOCUSED), "the list does not have the focus")
heading = table.getAccessibleAt(0, 0)
check((heading.name, heading.description, cell(0, 1)) == ("Events for today", "Heading", "Events for today"),
      f"the first heading row reads {(heading.name, heading.description, cell(0, 1))}")
expected = f"{today_name}, birthday, {years} years, today, {cell(1, 2)}"
check(cell(1, 0) == expected, f"the event row reads {cell(1, 0)!r}, not {expected!r}")
rows = [cell(r, 0) for r in range(table.nRows)]
check("Events for tomorrow" in rows, f"the rows read {rows}")


def from_columns(name, event, date, heading):
    """The sentence a row should be spoken as, from the event and date it shows and the heading above it."""
    shown = EVENT.match(event)
    if not shown:
        return None, None, f"unreadable event column {event!r}"
    kind = "birthday" if shown[1] == "bday" else "anniversary"
    parts = [name, kind]
    if shown[2] is not None:
        parts.append(f"{shown[2]} year" + ("" if shown[2] == "1" else "s"))
    if heading == "Events for today":
        days, when = "0", "today"
    elif heading == "Events for tomorrow":
        days, when = "1", "tomorrow"
    else:
        days, when = shown[3], f"in {shown[3]} days"
    parts += [when, date]
    return kind, days, ", ".join(parts)


# Every event row, in list order, against the rows the demo data makes: the window's come soonest first, not in
# name order, and one contact has both dates there.
expected_rows = [(today_name, "birthday", "0")] + window_rows
heading, event_rows = "", []
for r in range(table.nRows):
    if table.getAccessibleAt(r, 0).description == "Heading":
        heading = cell(r, 0)
    else:
        event_rows.append((heading, cell(r, 0), cell(r, 1), cell(r, 2)))
if check(len(event_rows) == len(expected_rows), f"{len(event_rows)} event rows, not {len(expected_rows)}: {rows}"):
    for (name, kind, days), (heading, spoken, event, date) in zip(expected_rows, event_rows):
        shown_kind, shown_days, sentence = from_columns(name, event, date, heading)
        check((shown_kind, shown_days) == (kind, days), f"the row {spoken!r} shows {event!r}, not {name}'s {kind} "
                                                        f"in {days} days")
        check(spoken == sentence, f"the row showing {event!r} {date!r} is spoken {spoken!r}, not {sentence!r}")

# The Address books page: every store, spoken with its kind, name, contacts and state.
stores = [o for o in objects if o.getRole() in LISTS and o.name == "Address books"]
if check(stores, "no list named 'Address books'"):
    store_table = stores[0].queryTable()
    spoken_stores = [store_table.getAccessibleAt(r, 0).name for r in range(store_table.nRows)]
    folder = os.environ.get("A11Y_CONTACTS_FOLDER", "")
    check(f"vcard-folder, {folder}, 3 contacts, read" in spoken_stores,
          f"the contacts folder is not read as it should be: {spoken_stores}")
    stale = re.compile(r"carddav, https://dav\.example\.test/ann/family/, 1 contacts?, "
                       r"stale since \d{4}-\d\d-\d\d \d\d:\d\d "
                       r"\(login failed: check the user name and the \(app\) password\)")
    check(any(stale.fullmatch(s) for s in spoken_stores), f"no stale online book among {spoken_stores}")

# The controls of the four pages, shown or not.
by_role = {}
for o in objects:
    by_role.setdefault(o.getRole(), {})[label_of(o) if o.getRole() == pyatspi.ROLE_COMBO_BOX else o.name] = o
spins = by_role.get(pyatspi.ROLE_SPIN_BUTTON, {})
for name, unit in (("Check forward for due events within", "days"),
                   ("Automatically close event list after showing it for", "minutes")):
    if check(name in spins, f"no spin button {name!r} among {sorted(spins)}"):
        check(unit in spins[name].description, f"{name!r} is described as {spins[name].description!r}")
for role, names in ((pyatspi.ROLE_COMBO_BOX, ["Check mode for due events:"]),
                    (pyatspi.ROLE_CHECK_BOX, ["Always on top"]),
                    (pyatspi.ROLE_PUSH_BUTTON, ["Send to Tray", "Check Now", "Help", "Quit Program", "Save Changes",
                                                "Version", "Sync Now"]),
                    (pyatspi.ROLE_LINK, ["Visit Home Page"]),
                    (pyatspi.ROLE_PAGE_TAB, ["Event List", "Address books", "About"])):
    found = by_role.get(role, {})
    check(all(n in found for n in names), f"{pyatspi.Role(role)}: {names} not all among {sorted(found)}")
unnamed = [f"{o.getRoleName()} in {o.parent.getRoleName()} {o.parent.name!r}" for o in objects
           if o.getState().contains(pyatspi.STATE_FOCUSABLE) and not o.name.strip()]
check(not unnamed, f"focusable controls without a name: {unnamed}")

print("\n".join(failures) if failures else f"a11y: read {len(objects)} objects and {table.nRows} rows")
sys.exit(1 if failures else 0)
