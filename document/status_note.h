// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's last panel, empty at start. It has one owner, so that its users never wipe each
// other's texts: a standing note about the document (its encoding) with a tooltip that says more,
// a standing hint added to that tooltip, and brief notes that show for a few seconds and then
// give the panel back to the standing note.
#pragma once

#include "ui/runtime.h"

namespace document {

inline constexpr int NotePanel = 8;

/// How long a brief note stays.
inline constexpr int BriefNoteMilliseconds = 4000;

/// Writes the standing note and its tooltip; empty texts clear them.
void showStatusNote(ui::UiRuntime &rt, const ui::Text &note, const ui::Text &toolTip = {});
/// A hint that always ends the panel's tooltip (what a command does, how to reach it).
void setStatusHint(ui::UiRuntime &rt, const ui::Text &hint);
/// Shows a note for a few seconds (in full as a tooltip too), then the standing note again.
void showBriefNote(ui::UiRuntime &rt, const ui::Text &note);

} // namespace document
