// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

#include <vector>

namespace markup {

/// The MainWindow's menu items and toolbar buttons that open the link and media dialogs.
std::vector<ui::UnitBinding> linkAndMediaDialogCommands();

} // namespace markup
