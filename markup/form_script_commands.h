// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <vector>

namespace markup {

/// The MainWindow's menu items and toolbar buttons that open the form-control, script, date and
/// caption dialogs.
std::vector<ui::UnitBinding> formAndScriptDialogCommands(document::Session &s);

} // namespace markup
