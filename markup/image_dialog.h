// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 图片设置: an <img> element with its image map, browsed with the MainWindow's file dialog.
ui::WindowDefinition imageDialog(document::Session &s);

/// Reads an <img>: path, sizes, alignment, border, alternative text and the map name of usemap.
/// The map block written after it is an element of its own and is not rewritten.
ElementForm readImage(const Element &element);

} // namespace markup
