# SPDX-License-Identifier: GPL-3.0-or-later
"""What the bus checks share: finding the running editor on the accessibility bus and walking its
accessible objects."""
import sys
import time

import pyatspi

CAPTION = "Quillmere-（简约实用的网页开发系统） V1.0" + " " * 13 + "Tavrin旗下插件"


def find_application(seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "quillmere":
                for child in app:
                    if child is not None and child.name == CAPTION:
                        return app
        time.sleep(0.2)
    return None


def walk(node, found, depth=0):
    """Collects (role, name, node) of every accessible below node; list items are left out."""
    if node is None or depth > 15:
        return
    role = node.getRoleName()
    found.append((role, node.name, node))
    if role == "list":
        return
    for child in node:
        walk(child, found, depth + 1)


def read_application(seconds=30):
    """The running editor and what walk collects below it. When the editor does not appear,
    says so and ends the check as failed."""
    app = find_application(seconds)
    if app is None:
        print("the editor did not appear on the accessibility bus")
        sys.exit(1)
    found = []
    walk(app, found)
    return app, found
