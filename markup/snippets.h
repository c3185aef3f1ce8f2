// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed snippets behind the insert, effects and SQL menus and the toolbar buttons.
#pragma once

#include "document/session.h"

#include <vector>

namespace markup {

/// Binds every menu item and toolbar button that inserts a fixed snippet to writing its pieces
/// at the caret, one InsertAtCaret call per piece.
std::vector<ui::UnitBinding> snippetCommands(document::Session &s);

} // namespace markup
