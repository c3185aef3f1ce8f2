// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// 背景音乐: a <bgsound> element.
ui::WindowDefinition backgroundSoundDialog();

} // namespace markup
