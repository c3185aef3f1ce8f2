// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_definition.h"

#include <QStringList>

namespace ui {

/// Checks a window definition for mistakes the runtime would otherwise pass over silently:
/// duplicate or empty unit names, unknown parents or parents listed after their children,
/// menu items outside menus, pages outside a tab control, start items outside their lists,
/// bindings without a handler, the same event bound twice, and events the kind never raises.
/// Returns one readable line per problem; an empty list means the definition is sound.
QStringList lintDefinition(const WindowDefinition &def);

} // namespace ui
