// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 图片设置: an <img> element with its image map, browsed with the MainWindow's file dialog.
ui::WindowDefinition imageDialog();

} // namespace markup
