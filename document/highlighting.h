// SPDX-License-Identifier: GPL-3.0-or-later
// Which colouring a document gets, and the status bar's note when a text is too long for it.
#pragma once

#include "editor.h"

namespace document {

/// A style sheet by its extension (.css), HTML with ASP for every other name.
ui::Language languageForPath(const core::Text &path);
/// Colours the document as the language, and shows in the status bar whether it is coloured.
void useLanguage(ui::UiRuntime &rt, ui::Language language);
/// Shows in the status bar whether the text is coloured.
void noteHighlighting(ui::UiRuntime &rt);

} // namespace document
