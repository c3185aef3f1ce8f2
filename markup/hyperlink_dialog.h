// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 超连接: an <a href> element with a title and a target, typed or browsed.
ui::WindowDefinition hyperlinkDialog();

} // namespace markup
