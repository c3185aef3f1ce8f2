// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <vector>

namespace markup {

/// The MainWindow's menu items and toolbar buttons that open the link and media dialogs.
std::vector<ui::UnitBinding> linkAndMediaDialogCommands(document::Session &s);

} // namespace markup
