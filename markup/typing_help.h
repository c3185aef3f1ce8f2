// SPDX-License-Identifier: GPL-3.0-or-later
// Help while typing markup in the editor: the typed '>' of a start tag puts its end tag after the
// caret, a typed "</" is completed with the innermost open element's name.
#pragma once

#include "document/session.h"
#include "ui/runtime.h"

namespace markup {

/// Starts typing help on the session's editor (once, when its window has been created); file
/// names are offered from the folder of the session's file.
void startTypingHelp(ui::UiRuntime &rt, const document::Session &session);

} // namespace markup
