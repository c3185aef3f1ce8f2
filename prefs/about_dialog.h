// SPDX-License-Identifier: GPL-3.0-or-later
// AboutDialog ("关于..."): the program's name, version and what it is for.
#pragma once

#include "ui/runtime.h"

namespace prefs {

inline const QString AboutDialogName = QStringLiteral("AboutDialog");

ui::WindowDefinition aboutDialog();

/// Opens the dialog modally; returns once it has closed.
void openAboutDialog(ui::UiRuntime &rt);

} // namespace prefs
