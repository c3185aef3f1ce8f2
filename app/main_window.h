// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_definition.h"

namespace app {

extern const QString MainWindowName;

/// The MainWindow's definition with every binding of every subsystem attached. Its start-up opens
/// the first of startFiles (the files named on the command line) in place of the page template.
ui::WindowDefinition mainWindowDefinition(const QStringList &startFiles = {});

} // namespace app
