// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 加入已有的css: a <link> element to a style sheet.
ui::WindowDefinition styleSheetDialog(document::Session &s);

/// Reads a <link rel="stylesheet">: the path; rel and type are fixed and stay as written.
ElementForm readStyleSheet(const Element &element);

} // namespace markup
