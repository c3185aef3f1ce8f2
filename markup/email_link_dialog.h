// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace markup {

/// E-mail连接: a mailto link with a subject.
ui::WindowDefinition emailLinkDialog();

} // namespace markup
