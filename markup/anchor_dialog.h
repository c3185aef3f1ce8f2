// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 命名标记: a named anchor.
ui::WindowDefinition anchorDialog(document::Session &s);

/// Reads an <a name> without href: the name as written.
ElementForm readAnchor(const Element &element);

} // namespace markup
