// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's last panel, empty at start: a brief note about the document, and a tooltip
// that says more.
#pragma once

#include "ui/runtime.h"

namespace document {

inline constexpr int NotePanel = 8;

/// Writes the note and its tooltip; empty texts clear them.
void showStatusNote(ui::UiRuntime &rt, const ui::Text &note, const ui::Text &toolTip = {});

} // namespace document
