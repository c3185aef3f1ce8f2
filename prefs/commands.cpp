// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

namespace prefs {

std::vector<ui::UnitBinding> mainWindowBindings() { return {}; }

} // namespace prefs
