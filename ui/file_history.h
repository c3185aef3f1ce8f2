// SPDX-License-Identifier: GPL-3.0-or-later
// The folders the open and save dialogs were last used in, newest first, kept across program
// starts: the dialogs list them in their history list (the drop-down of "查找范围").
#pragma once

#include <QStringList>

class QFileDialog;

namespace ui {

inline constexpr int RecentFolderCount = 10;

/// The folders kept, newest first, at most RecentFolderCount; those that no longer exist are left out.
QStringList recentFolders();
/// Puts the folder of the file chosen in a dialog first.
void rememberFolderOf(const QString &file);
/// Shows the folders kept in the dialog's history list.
void offerRecentFolders(QFileDialog &dialog);

} // namespace ui
