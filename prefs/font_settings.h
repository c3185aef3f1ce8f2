// SPDX-License-Identifier: GPL-3.0-or-later
// "字体设置": the CodeEditor's font, size, colour and effects for the rest of the run.
#pragma once

#include "document/session.h"

namespace prefs {

/// Selects the whole text and shows the font dialog starting from its format; a confirmed choice
/// is applied to the whole text, which stays selected. A cancel changes nothing.
void fontSettings(ui::UiRuntime &rt, document::Session &s);

/// The format the choice gives: face, size and colour from the dialog, the offset as it was, and
/// each of bold, italic, underline and strikeout set or cleared as its switch stands.
ui::CharFormat chosenFormat(const ui::CharFormat &current, const ui::FontFields &choice);

} // namespace prefs
