// SPDX-License-Identifier: GPL-3.0-or-later
// A window's keyboard shortcuts: built from its definition's table, and checked by the lint.
#pragma once

#include "window_definition.h"

#include <QStringList>

namespace ui {

/// The problems of the definition's shortcut table, one readable line each: keys that are not
/// exactly one key combination, keys used twice, rows naming no menu item or one without a
/// Clicked binding, and rows with both a menu item and a handler, or neither.
QStringList lintShortcuts(const WindowDefinition &def);

} // namespace ui
