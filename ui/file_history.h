// SPDX-License-Identifier: GPL-3.0-or-later
// The files chosen in the open and save dialogs and their folders, newest first, kept across
// program starts. The dialogs list the folders in their history list (the drop-down of
// "查找范围") and the files under their file-name field, where the Down key drops them.
#pragma once

#include <QStringList>

class QFileDialog;

namespace ui {

inline constexpr int RecentCount = 10;

/// The folders kept, newest first, at most RecentCount; those that no longer exist are left out.
QStringList recentFolders();
/// The files kept, newest first, at most RecentCount; those that are no longer files are left out.
QStringList recentFiles();
/// Puts the file chosen in a dialog, and its folder, first.
void rememberChoice(const QString &file);
/// Offers the folders kept in the dialog's history list and the files kept under its file-name
/// field; picking a file there selects it as if it had been navigated to.
void offerRecent(QFileDialog &dialog);

} // namespace ui
