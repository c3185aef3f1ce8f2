// SPDX-License-Identifier: GPL-3.0-or-later
// The "编辑" commands, the editor's pop-up menu "鼠标菜单", the status bar and the pane layout.
#pragma once

#include "editor.h"

namespace document {

/// The MainWindow's status bar and its panels written here.
const ui::ControlRef &statusBar();
enum StatusPanel { LineCountPanel = 1, CaretLinePanel = 3, CaretColumnPanel = 5, SizePanel = 7 };

/// The document's size as the status bar shows it: kilobytes to two decimals, then "k".
core::Text sizeInKilobytes(qint64 bytes);

/// Does again what the last undo undid (there is no menu item: keyboard only).
void redo(ui::UiRuntime &rt);
/// Removes the selection and leaves the clipboard exactly as it was.
void clipboardSafeDelete(ui::UiRuntime &rt);
/// Sets the states of the "编辑" items, then pops up "鼠标菜单" in place of the editor's own menu.
bool showEditorMenu(ui::UiRuntime &rt, const ui::EventInfo &);
/// After every change of the text: line count, caret position, size, and the modified flag.
void updateEditorStatus(ui::UiRuntime &rt);
/// After every caret movement or selection change: the caret's line and column.
void updateCaretPanels(ui::UiRuntime &rt);
/// Fits the toolbar, the keyword pane, its lists and the editor to the window's size.
void reflowMainWindow(ui::UiRuntime &rt);

} // namespace document
