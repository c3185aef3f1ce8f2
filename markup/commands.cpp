// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

namespace markup {

std::vector<ui::UnitBinding> mainWindowBindings() { return {}; }

} // namespace markup
