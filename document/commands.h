// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session.h"

#include <vector>

namespace document {

/// The handlers this subsystem binds to the MainWindow's controls and menu items, each working on
/// the session's document.
std::vector<ui::UnitBinding> mainWindowBindings(Session &s);

} // namespace document
