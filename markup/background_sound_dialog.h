// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 背景音乐: a <bgsound> element.
ui::WindowDefinition backgroundSoundDialog(document::Session &s);

/// Reads a <bgsound>: the path and the loop count as written.
ElementForm readBackgroundSound(const Element &element);

} // namespace markup
