// SPDX-License-Identifier: GPL-3.0-or-later
// The document is the text of the MainWindow's CodeEditor; every insertion goes through here.
#pragma once

#include "ui/runtime.h"

#include <functional>
#include <vector>

namespace document {

/// The MainWindow's CodeEditor and its shared file dialog.
const ui::ControlRef &codeEditor();
const ui::ControlRef &fileDialog();

using Pieces = std::vector<core::Text>;

/// Writes the pieces at the caret, one InsertAtCaret call each: the first replaces a selection,
/// the others follow it back to back, and the caret ends after the last.
void insertPieces(ui::UiRuntime &rt, const Pieces &pieces);

/// While an element is edited in the dialog that writes it, the dialog's insertion is handed to
/// this function instead of the caret; an empty function restores insertion at the caret.
using InsertionTarget = std::function<void(ui::UiRuntime &, const Pieces &)>;
void redirectInsertions(InsertionTarget target);

} // namespace document
