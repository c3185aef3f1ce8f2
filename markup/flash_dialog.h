// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// flash元素: the Flash <object>/<embed> block around one movie path.
ui::WindowDefinition flashDialog();

} // namespace markup
