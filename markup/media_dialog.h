// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 插入的mp媒体: an <embed> element for a video file.
ui::WindowDefinition mediaDialog();

} // namespace markup
