// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace app {

extern const QString MainWindowName;

/// The MainWindow's definition with every binding of every subsystem attached.
ui::WindowDefinition mainWindowDefinition();

} // namespace app
