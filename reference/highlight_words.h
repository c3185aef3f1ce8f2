// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword lists as the editor's colouring uses them.
#pragma once

#include "ui/highlighting.h"

namespace reference {

/// Tags of the "html" and "ihtml" lists and the attributes their items show are known; the
/// words of the "vb" and "asp" lists are VBScript keywords. All lower case, each once.
ui::HighlightWords highlightWords();

} // namespace reference
