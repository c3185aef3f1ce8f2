// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "转到行" window: lines counted from 0, as the status bar's "光标行位" counts them.
#pragma once

#include "ui/runtime.h"

namespace document {

extern const QString GoToLineWindowName;

ui::WindowDefinition goToLineDialog();

/// Ctrl+G: opens the window modally; returns once it has closed.
void openGoToLine(ui::UiRuntime &rt);

/// The valid range as the window shows it: "0 – N".
QString lineRangeText(int lineCount);

} // namespace document
