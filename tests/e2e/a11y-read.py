"""Reads the running Nelvora window through the accessibility bus, as a screen reader does, and checks what a
screen-reader user would hear: the named list with its columns, a heading row and an event row, the named controls
of every page, and no focusable control without a name.

Usage: a11y-read.py <years of the birthday due today> <contact due today> <contact due in 3 days>
Prints one line per failure and exits 1 when there is any.
"""
import sys
import time

import pyatspi

years, today_name, later_name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def walk(node, found):
    """Every object below node; the cells of lists are reached through their table interface instead."""
    for child in node:
        if child is None:
            continue
        found.append(child)
        if child.getRole() not in (pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
            walk(child, found)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "nelvora":
            return app
    return None


def named(objects, role):
    return {o.name: o for o in objects if o.getRole() == role}


# The window comes up a moment after the program starts.
deadline = time.time() + 20
objects, lists = [], []
while time.time() < deadline:
    app = application()
    if app is not None:
        objects = []
        walk(app, objects)
        lists = [o for o in objects if o.getRole() in (pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE)]
        if lists and lists[0].queryTable().nRows > 3:
            break
    time.sleep(0.2)
if not check(lists, "no list in the window (is the program on the accessibility bus?)"):
    print("\n".join(failures))
    sys.exit(1)

# The list, its columns and its rows.
events = lists[0]
table = events.queryTable()
check(events.name == "Due events", f"the list is named {events.name!r}")
columns = [table.getColumnDescription(c) for c in range(table.nColumns)]
check(columns == ["Name", "Event", "Date"], f"the columns are named {columns}")
check(events.getState().contains(pyatspi.STATE_FOCUSED), "the list does not have the focus")


def cell(row, column):
    return table.getAccessibleAt(row, column)


heading = cell(0, 0)
check(heading.name == "Events for today", f"the first heading row reads {heading.name!r}")
check(heading.description == "Heading", f"the first heading row is described as {heading.description!r}")
check(cell(0, 1).name == "Events for today", f"the heading's own column reads {cell(0, 1).name!r}")
expected = f"{today_name}, birthday, {years} years, today, {cell(1, 2).name}"
check(cell(1, 0).name == expected, f"the event row reads {cell(1, 0).name!r}, not {expected!r}")
rows = [cell(r, 0).name for r in range(table.nRows)]
check("Events for tomorrow" in rows, f"no tomorrow heading among {rows}")
check(any(r.startswith(f"{later_name}, birthday, ") and ", in 3 days, " in r for r in rows),
      f"no row for {later_name} in 3 days among {rows}")

# The controls of the three pages, shown or not.
spins = named(objects, pyatspi.ROLE_SPIN_BUTTON)
for name, unit in (("Check forward for due events within", "days"),
                   ("Automatically close event list after showing it for", "minutes")):
    if check(name in spins, f"no spin button {name!r} among {sorted(spins)}"):
        check(unit in spins[name].description, f"{name!r} is described as {spins[name].description!r}")


def label_of(node):
    """The name, or on Linux the label the toolkit links a drop-down to (its name is the current item)."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name
    return node.name


combos = [label_of(o) for o in objects if o.getRole() == pyatspi.ROLE_COMBO_BOX]
check("Check mode for due events:" in combos, f"the drop-downs are labelled {combos}")
check("Always on top" in named(objects, pyatspi.ROLE_CHECK_BOX), "the check box is not named")
buttons = named(objects, pyatspi.ROLE_PUSH_BUTTON)
for name in ("Send to Tray", "Check Now", "Help", "Quit Program", "Save Changes", "Version"):
    check(name in buttons, f"no button {name!r} among {sorted(buttons)}")
check("Visit Home Page" in named(objects, pyatspi.ROLE_LINK), "no link 'Visit Home Page'")
tabs = named(objects, pyatspi.ROLE_PAGE_TAB)
for name in ("Event List", "About"):
    check(name in tabs, f"no page tab {name!r} among {sorted(tabs)}")

unnamed = [f"{o.getRoleName()} in {o.parent.getRoleName()} {o.parent.name!r}" for o in objects
           if o.getState().contains(pyatspi.STATE_FOCUSABLE) and not o.name.strip()]
check(not unnamed, f"focusable controls without a name: {unnamed}")

print("\n".join(failures) if failures else f"a11y: read {len(objects)} objects and {table.nRows} rows")
sys.exit(1 if failures else 0)
