// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless "查找和替换" window and its commands, which also run with the window closed.
#pragma once

#include "session.h"

namespace document {

extern const QString FindWindowName;

/// Matches counted for the status label stop here ("超过 N 处"): counting never holds up typing.
inline constexpr qsizetype CountCap = 10000;

/// The window for the session's document, starting from and keeping its find settings.
ui::WindowDefinition findDialog(Session &s);

/// Ctrl+F: opens the window (or brings it to the front), the find field focused and selected.
void openFind(ui::UiRuntime &rt, Session &s);
/// Ctrl+H: the same window with the replace field focused.
void openReplace(ui::UiRuntime &rt, Session &s);
/// "查找下一个" / F3 and "查找上一个" / Shift+F3.
void findNext(ui::UiRuntime &rt, Session &s);
void findPrevious(ui::UiRuntime &rt, Session &s);
/// "替换": replaces the selection if it is a match, then finds the next one.
void replaceOne(ui::UiRuntime &rt, Session &s);
/// "全部替换": every match in the document (or the selection) in one undo step.
void replaceAll(ui::UiRuntime &rt, Session &s);

/// The status label's texts.
QString foundText(qsizetype index, qsizetype total);
QString notFoundText(const QString &pattern);
QString replacedText(qsizetype count);

} // namespace document
