// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <vector>

namespace app {

/// The MainWindow's keyboard shortcuts: each clicks a menu item, or runs a command of its own.
std::vector<ui::Shortcut> mainWindowShortcuts(document::Session &s);

} // namespace app
