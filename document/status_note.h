// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's last panel, empty at start. It has one owner, so that its users never wipe each
// other's texts: standing notes about the document (its encoding, and whether it is coloured) with
// a tooltip that says more, a standing hint that ends that tooltip, and brief notes that show for a
// few seconds and then give the panel back to the standing notes.
#pragma once

#include "ui/runtime.h"

namespace document {

inline constexpr int NotePanel = 8;

/// How long a brief note stays.
inline constexpr int BriefNoteMilliseconds = 4000;

/// The standing notes, each a short panel text and a sentence for the tooltip; empty clears one.
enum class StandingNote { Encoding, Colouring };
void showStatusNote(ui::UiRuntime &rt, const core::Text &note, const core::Text &toolTip = {},
                    StandingNote which = StandingNote::Encoding);
/// A hint that always ends the panel's tooltip (what a command does, how to reach it).
void setStatusHint(ui::UiRuntime &rt, const core::Text &hint);
/// Shows a note for a few seconds (in full as a tooltip too), then the standing notes again.
void showBriefNote(ui::UiRuntime &rt, const core::Text &note);

} // namespace document
