// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

namespace markup {

/// flash元素: the Flash <object>/<embed> block around one movie path.
ui::WindowDefinition flashDialog(document::Session &s);

} // namespace markup
