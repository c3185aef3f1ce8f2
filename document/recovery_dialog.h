// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "恢复未保存的文档" window, shown over the MainWindow at start when copies of unsaved
// work are left by processes that are gone: one of them is put back, all are thrown away, or all
// wait for the next start.
#pragma once

#include "recovery.h"

namespace document {

extern const QString RecoveryWindowName;

/// How the window lists a copy: its file's name (or "未命名"), folder, time of change and size.
QString recoveryListRow(const OrphanCopy &copy);

/// The window offering the copies.
ui::WindowDefinition recoveryDialog(Recovery &recovery, std::vector<OrphanCopy> copies);

/// Opens the window modally when the store holds copies whose owner is gone; returns once it
/// has closed, or at once when there are none.
void offerRecovery(ui::UiRuntime &rt, Recovery &recovery);

} // namespace document
