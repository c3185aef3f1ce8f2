// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 插入的mp媒体: an <embed> element for a video file.
ui::WindowDefinition mediaDialog(document::Session &s);

/// Reads an <embed> that is not a Flash movie: path, width and height.
ElementForm readMedia(const Element &element);

} // namespace markup
