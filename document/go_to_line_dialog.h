// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "转到行" window: lines counted from 0, as the status bar's "光标行位" counts them.
#pragma once

#include "session.h"

namespace document {

extern const QString GoToLineWindowName;

/// The window for the session's editor.
ui::WindowDefinition goToLineDialog(Session &s);

/// Ctrl+G: opens the window modally; returns once it has closed.
void openGoToLine(ui::UiRuntime &rt, Session &s);

/// The valid range as the window shows it: "0 – N".
QString lineRangeText(int lineCount);

} // namespace document
