// SPDX-License-Identifier: GPL-3.0-or-later
// BackgroundColourDialog ("背景设置"): picks the background colour of the editing area.
#pragma once

#include "ui/runtime.h"

namespace prefs {

inline const QString BackgroundDialogName = QStringLiteral("BackgroundColourDialog");

ui::WindowDefinition backgroundColourDialog();

/// Opens the dialog modally; returns once it has closed.
void openBackgroundColourDialog(ui::UiRuntime &rt);

} // namespace prefs
