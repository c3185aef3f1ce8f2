// SPDX-License-Identifier: GPL-3.0-or-later
// Operations for editing one stretch of the CodeEditor's text in place: reading a bounded stretch
// around the caret, replacing a part of it as one undo step, and the few control operations that
// filling a dialog from the text needs (ticking a button, a passing note in a status panel).
#pragma once

#include "runtime.h"

namespace ui {

/// A stretch of the CodeEditor's text around the caret. Positions are indices into text; where
/// the stretch lies in the document is the runtime's business.
struct TextAround {
    core::Text text;
    qsizetype caret = 0;
    qint64 caretPosition = 0; // where the caret is, in the editor's own units
};

/// The text within about reach bytes of the editor's buffer on either side of the caret (never
/// the whole document), cut at whole characters.
TextAround readAroundCaret(UiRuntime &rt, const ControlRef &editor, qint64 reach);

/// Replaces text[from, to) of the stretch with the new text as one undo step, raising the
/// content-changed event, and puts the caret at index caret of the stretch as it is afterwards;
/// the stretch is updated to match. False, and nothing changed, when the document no longer holds
/// text[from, to) where it was read. Only the replaced part and the text between it and the caret
/// are measured, so the cost does not grow with the stretch.
bool replaceAround(UiRuntime &rt, const ControlRef &editor, TextAround &around, qsizetype from, qsizetype to,
                   const core::Text &text, qsizetype caret);

/// Ticks or clears a check box or radio button (a radio button clears the others of its group).
void setChecked(UiRuntime &rt, const ControlRef &button, bool checked);

/// Shows a note in a status-bar panel, and in full as a tooltip over it, and puts the panel's
/// standing text back after the given time unless the note was replaced meanwhile.
void showPanelNote(UiRuntime &rt, const ControlRef &statusBar, int index, const core::Text &note, int milliseconds,
                   const core::Text &standing = {});

} // namespace ui
