# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens pages one after another over the AT-SPI bus, as assistive technology does: "文件/打开"
is pressed, the unsaved-changes question answered "否", the file dialog's name field filled
through its EditableText interface and its accept button pressed. Every opening must load the
named file, the later ones included (which open in the folder of the file before, with its name
filled in). Then the dialog once more: the Down key in its name field drops the files opened, and
a screen reader is told of a list named for them whose items are those files, newest first.
Prints one line per problem and exits 1 when there is any."""
import os
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

CAPTION = "Quillmere-（简约实用的网页开发系统） V1.0" + " " * 13 + "Tavrin旗下插件"


def wait_for(what, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = what()
        if found:
            return found
        time.sleep(0.05)
    return None


def find_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quillmere":
            for child in app:
                if child is not None and child.name == CAPTION:
                    return app
    return None


def find(node, role, name=None, prefix=None, depth=0):
    """The first accessible below node with the role and name (or name prefix)."""
    if node is None or depth > 12:
        return None
    if node.getRoleName() == role and (name is None or node.name == name) and (
            prefix is None or node.name.startswith(prefix)):
        return node
    if node.getRoleName() in ("list", "tree", "table"):
        return None
    for child in node:
        found = find(child, role, name, prefix, depth + 1)
        if found is not None:
            return found
    return None


def top_level(app, role, name):
    for child in app:
        try:
            if child is not None and child.getRoleName() == role and child.name == name:
                return child
        except GLib.GError:
            pass  # a window closing while it is read is not there
    return None


def press(node):
    """Presses through the Action interface. A press that shows a modal window is answered only
    once that window closes, so the answer is not waited for."""
    pyatspi.setTimeout(300, 300)
    try:
        node.queryAction().doAction(0)
    except Exception:
        pass
    finally:
        pyatspi.setTimeout(800, 15000)


def editor_text(app):
    editor = find(app[0], "text")
    return editor.queryText().getText(0, -1) if editor is not None else None


def open_dialog(app):
    """The file dialog of "文件/打开", the unsaved-changes question answered "否"."""
    press(find(app, "menu item", "打开"))
    question = wait_for(lambda: top_level(app, "alert", "询问") or top_level(app, "dialog", "打开"))
    if question is not None and question.getRoleName() == "alert":
        press(find(question, "push button", prefix="否"))
    return wait_for(lambda: top_level(app, "dialog", "打开"))


def open_by_name(app, typed, content, problems):
    dialog = open_dialog(app)
    if dialog is None:
        problems.append(f"no file dialog for {typed}")
        return
    field = find(dialog, "text")
    field.queryEditableText().setTextContents(typed)
    accept = find(dialog, "push button", prefix="打开")
    if not wait_for(lambda: accept.getState().contains(pyatspi.STATE_ENABLED), 3):
        problems.append(f"the accept button stays disabled with {typed!r} in the name field")
        press(find(dialog, "push button", "取消"))
        wait_for(lambda: top_level(app, "dialog", "打开") is None)
        return
    press(accept)
    if not wait_for(lambda: top_level(app, "dialog", "打开") is None and editor_text(app) == content):
        problems.append(f"{typed!r} was not opened: the editor holds {str(editor_text(app))[:40]!r}")


def focused_after(act, seconds=10):
    """The accessible that gets the focus after act runs, as a screen reader hears of it."""
    got = []

    def heard(event):
        if event.detail1 == 1 and not got:
            got.append(event.source)
            pyatspi.Registry.stop()

    def give_up():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")
    GLib.idle_add(lambda: act() and False)
    GLib.timeout_add(seconds * 1000, give_up)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, "object:state-changed:focused")
    return got[0] if got else None


def read_recent_files(app, newest_first, problems):
    dialog = open_dialog(app)
    if dialog is None:
        problems.append("no file dialog for the recent files")
        return
    field = find(dialog, "text")
    x, y, w, h = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    time.sleep(0.5)
    item = focused_after(lambda: pyatspi.Registry.generateKeyboardEvent(0xff54, None, pyatspi.KEY_SYM))  # Down
    box = item.parent if item is not None else None
    read = (item.name, item.getRoleName(), box.getRoleName(), box.name, [c.name for c in box]) if box else None
    expected = (newest_first[0], "list item", "list", "最近使用的文件", newest_first)
    if read != expected:
        problems.append(f"the Down key in the name field was read as {read}, not {expected}")
    press(find(dialog, "push button", "取消"))
    wait_for(lambda: top_level(app, "dialog", "打开") is None)


def main():
    app = wait_for(find_application, 30)
    if app is None:
        print("the editor did not appear on the accessibility bus")
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        pages = {}
        for name in ["a.html", "c.html", "d.html"]:
            pages[name] = f"<p>{name}</p>"
            with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                f.write(pages[name])
        open_by_name(app, os.path.join(folder, "a.html"), pages["a.html"], problems)
        open_by_name(app, os.path.join(folder, "c.html"), pages["c.html"], problems)
        open_by_name(app, "d.html", pages["d.html"], problems)  # relative to the folder shown
        read_recent_files(app, [os.path.join(folder, n) for n in ["d.html", "c.html", "a.html"]], problems)
    for p in problems:
        print(p)
    print(f"3 pages opened over the bus and read back from the recent files; {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main())
