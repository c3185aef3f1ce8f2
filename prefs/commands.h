// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

#include <vector>

namespace prefs {

/// The handlers this subsystem binds to the MainWindow's controls and menu items.
std::vector<ui::UnitBinding> mainWindowBindings();

} // namespace prefs
