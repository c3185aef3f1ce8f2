// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace ui {
class UiRuntime;
}

namespace app {

extern const QString MainWindowName;

/// The MainWindow's definition with every binding of every subsystem attached.
ui::WindowDefinition mainWindowDefinition();

/// Opens the MainWindow, the program's first window. The start skin is put on before the window
/// is built, so that every control is styled once; its created handler, which puts the same skin
/// on again, then finds nothing to change.
void openMainWindow(ui::UiRuntime &rt);

} // namespace app
