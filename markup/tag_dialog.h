// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every element dialog follows: opened modally and built afresh from its definition;
// OK joins literal pieces and field texts exactly as they stand and inserts them step by step at
// the caret, then closes; Cancel and the title-bar close insert nothing.
#pragma once

#include "document/editor.h"
#include "ui/runtime.h"

namespace markup {

/// Opens the dialog modally; returns once it has closed.
void openTagDialog(ui::UiRuntime &rt, const ui::WindowDefinition &dialog);

/// A MainWindow handler that opens the dialog the given function defines.
ui::Handler opensTagDialog(ui::WindowDefinition (*definition)());

/// The text of a field (edit box or combo box) of the dialog.
core::Text fieldText(ui::UiRuntime &rt, const QString &dialog, const QString &unit);

/// OK: inserts each step with its own InsertAtCaret call, then closes the dialog.
void insertAndClose(ui::UiRuntime &rt, const QString &dialog, const document::Pieces &steps);

/// Browse: shows the dialog's file dialog; a confirmed choice replaces the path field's whole
/// text, a cancelled one leaves the field as it was.
void browseInto(ui::UiRuntime &rt, const ui::ControlRef &fileDialog, const ui::ControlRef &pathField);

/// A handler that browses with the given file dialog into the given path field.
ui::Handler browses(const ui::ControlRef &fileDialog, const ui::ControlRef &pathField);

/// A handler that closes the given dialog (Cancel).
ui::Handler closes(const QString &dialog);

} // namespace markup
