# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running editor the way a screen reader does, over the AT-SPI bus, and checks that
the MainWindow's controls are announced by name and the CodeEditor's text and caret are offered.
Prints one line per problem and exits 1 when there is any."""
import sys
import time

import pyatspi

from atspi_reading import CAPTION, read_application, walk


# X key codes of the virtual display's standard keymap.
CONTROL_L, KEY_F, ESCAPE = 37, 41, 9


def press_ctrl(keycode):
    pyatspi.Registry.generateKeyboardEvent(CONTROL_L, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keycode, None, pyatspi.KEY_PRESSRELEASE)
    pyatspi.Registry.generateKeyboardEvent(CONTROL_L, None, pyatspi.KEY_RELEASE)


def check_find_window(app, editor):
    """Ctrl+F in the CodeEditor opens the find window, whose fields are named by their labels."""
    # A click into the CodeEditor puts the pointer and the keyboard there, as a user's would.
    x, y, w, h = editor.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    time.sleep(0.5)
    press_ctrl(KEY_F)
    window = None
    deadline = time.time() + 10
    while window is None and time.time() < deadline:
        time.sleep(0.2)
        window = next((w for w in app if w is not None and w.name == "查找和替换"), None)
    if window is None:
        return ["Ctrl+F opened no window named '查找和替换'"]
    found = []
    walk(window, found)
    problems = []
    for role, name in [("text", "查找内容"), ("text", "替换为"), ("check box", "区分大小写"),
                       ("check box", "全字匹配"), ("check box", "正则表达式"), ("check box", "循环查找"),
                       ("check box", "仅在选区内"), ("push button", "查找下一个"), ("push button", "查找上一个"),
                       ("push button", "替换"), ("push button", "全部替换"), ("push button", "关闭")]:
        if not any(r == role and n == name for r, n, _ in found):
            problems.append(f"find window: no {role} named {name!r}")
    unnamed = [r for r, n, _ in found if r in ("text", "check box", "push button") and not n]
    if unnamed:
        problems.append(f"find window: {len(unnamed)} controls without a name")
    return problems

def check_attributes(text, problems):
    """The colouring's text attributes: "<html>" is one run in the tag colour, the line end after
    it another in the text colour; both name their font, size, weight, style, underline and
    colours (the bridge carries no strikethrough)."""
    runs = {}
    for offset in (1, 6):
        attrs, start, end = text.getAttributeRun(offset, False)
        got = dict(a.split(":", 1) for a in attrs)
        runs[offset] = (got, start, end)
        for name in ["family-name", "size", "weight", "style", "underline", "fg-color", "bg-color"]:
            if name not in got:
                problems.append(f"no text attribute {name} at offset {offset}: {got}")
        if got.get("style") != "normal" or got.get("underline") != "none" or got.get("weight") != "400":
            problems.append(f"the start text's font is not reported as plain: {got}")
        if len(got.get("fg-color", "").split(",")) != 3:
            problems.append(f"fg-color is not r,g,b: {got}")
    if runs[1][1:] != (0, 6):
        problems.append(f"the run of \"<html>\" is reported as {runs[1][1:]}")
    if runs[1][0].get("fg-color") == runs[6][0].get("fg-color"):
        problems.append("a tag is reported in the colour of plain text")


def main():
    problems = []
    app, found = read_application()
    names = {}
    for role, name, node in found:
        names.setdefault(role, []).append(name)

    def expect(role, name):
        if name not in names.get(role, []):
            problems.append(f"no {role} named {name!r}")

    expect("frame", CAPTION)
    for tab in ["常用", "文本", "表单", "特殊字符", "媒体", "vb", "html", "ihtml", "asp"]:
        expect("page tab", tab)
    for button in ["客服", "软件简介", "超连接", "E-mail", "水平线", "粗体", "已编排格式", "表域", "背景音乐",
                   "&#8482;", "&reg;", "&copy;", "&para;", "&pound;", "&cent;", "&yen;", "&sect;", "&#8240;"]:
        expect("push button", button)
    for panel in ["程序行数", "光标行位", "光标列位", "程序长度"]:
        expect("label", panel)
    for lst in ["vb", "html", "ihtml", "asp"]:
        expect("list", lst)
    unnamed = [n for n in names.get("push button", []) if not n]
    if unnamed:
        problems.append(f"{len(unnamed)} push buttons without a name")

    editors = [node for role, name, node in found if role == "text"]
    if len(editors) != 1:
        problems.append(f"expected one text area (the CodeEditor), found {len(editors)}")
    else:
        text = editors[0].queryText()
        content = text.getText(0, -1)
        if not content.startswith("<html>") or "<title>New Page 1</title>" not in content:
            problems.append(f"the CodeEditor's text is not offered: {content[:40]!r}")
        if text.caretOffset != text.characterCount:
            problems.append(f"caret at {text.caretOffset}, expected after the text ({text.characterCount})")
        if text.getNSelections() != 0:
            problems.append("a selection is reported at start")
        check_attributes(text, problems)

    if len(editors) == 1:
        problems += check_find_window(app, editors[0])

    for p in problems:
        print(p)
    print(f"{len(found)} accessible objects read; {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main())
