// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <vector>

namespace markup {

/// The handlers this subsystem binds to the MainWindow's controls and menu items.
std::vector<ui::UnitBinding> mainWindowBindings(document::Session &s);

} // namespace markup
