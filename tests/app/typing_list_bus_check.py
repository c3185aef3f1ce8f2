# SPDX-License-Identifier: GPL-3.0-or-later
"""Types '<' into the running editor through the accessibility bus and reads the list typing help
opens the way a screen reader does: a list, named, whose items are the element names. Prints one
line per problem and exits 1 when there is any."""
import sys
import time

import pyatspi

from atspi_reading import read_application, walk


def lists_with(app, item):
    """The lists anywhere in the application that hold an item of that name."""
    found = []
    walk(app, found)
    return [node for role, _, node in found
            if role == "list" and any(c is not None and c.name == item for c in node)]


def main():
    app, found = read_application()
    editors = [node for role, _, node in found if role == "text"]
    if len(editors) != 1:
        print(f"expected one text area (the CodeEditor), found {len(editors)}")
        return 1
    # A click into the CodeEditor puts the keyboard there; then '<' is typed as a user types it.
    x, y, w, h = editors[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    time.sleep(0.5)
    pyatspi.Registry.generateKeyboardEvent(ord("<"), None, pyatspi.KEY_SYM)
    problems = []
    shown = []
    deadline = time.time() + 10
    while not shown and time.time() < deadline:
        time.sleep(0.2)
        shown = [node for node in lists_with(app, "table") if any(c.name == "a" for c in node)]
    if not shown:
        problems.append("typing '<' showed no list of element names a screen reader can read")
    else:
        box = shown[0]
        if box.name != "补全列表":
            problems.append(f"the list is named {box.name!r}")
        items = [box.getChildAtIndex(i).getRoleName() for i in range(min(box.childCount, 3))]
        if any(r != "list item" for r in items):
            problems.append(f"the list's items are read as {items}")
    for p in problems:
        print(p)
    print(f"{len(problems)} problems")
    return 1 if problems else 0


sys.exit(main())
