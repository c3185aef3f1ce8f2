// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 加入已有的css: a <link> element to a style sheet.
ui::WindowDefinition styleSheetDialog();

} // namespace markup
