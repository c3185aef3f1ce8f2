// SPDX-License-Identifier: GPL-3.0-or-later
// ScriptDialog ("脚本设置"): a script block in one of four languages around the typed code.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString ScriptDialogName;

ui::WindowDefinition scriptDialogDefinition();
/// Opens ScriptDialog modally; returns once it has closed. Every opener shows the same state.
void openScriptDialog(ui::UiRuntime &rt);

} // namespace markup
