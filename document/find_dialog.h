// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless "查找和替换" window and its commands, which also run with the window closed.
#pragma once

#include "search.h"

#include "ui/runtime.h"

namespace document {

extern const QString FindWindowName;

/// What the window last held: F3 and Shift+F3 search with it while the window is closed, and the
/// window opens with it again.
struct FindSettings {
    QString pattern;
    QString replacement;
    SearchOptions options;
    bool wrap = true;
    bool inSelection = false;
    /// The multi-line selection the window was opened with (bytes), searched with inSelection.
    qint64 rangeFrom = -1, rangeTo = -1;
};
FindSettings &findSettings();

/// Matches counted for the status label stop here ("超过 N 处"): counting never holds up typing.
inline constexpr qsizetype CountCap = 10000;

ui::WindowDefinition findDialog();

/// Ctrl+F: opens the window (or brings it to the front), the find field focused and selected.
void openFind(ui::UiRuntime &rt);
/// Ctrl+H: the same window with the replace field focused.
void openReplace(ui::UiRuntime &rt);
/// "查找下一个" / F3 and "查找上一个" / Shift+F3.
void findNext(ui::UiRuntime &rt);
void findPrevious(ui::UiRuntime &rt);
/// "替换": replaces the selection if it is a match, then finds the next one.
void replaceOne(ui::UiRuntime &rt);
/// "全部替换": every match in the document (or the selection) in one undo step.
void replaceAll(ui::UiRuntime &rt);

/// The status label's texts.
QString foundText(qsizetype index, qsizetype total);
QString notFoundText(const QString &pattern);
QString replacedText(qsizetype count);

} // namespace document
