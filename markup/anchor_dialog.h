// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 命名标记: a named anchor.
ui::WindowDefinition anchorDialog();

} // namespace markup
