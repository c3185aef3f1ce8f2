// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "element_form.h"

#include "ui/window_definition.h"

namespace markup {

/// 超连接: an <a href> element with a title and a target, typed or browsed.
ui::WindowDefinition hyperlinkDialog(document::Session &s);

/// Reads an <a href> into the dialog's fields: URL, title and target as written.
ElementForm readHyperlink(const Element &element);

} // namespace markup
