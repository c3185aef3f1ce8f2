// SPDX-License-Identifier: GPL-3.0-or-later
// ButtonDialog ("按钮"): an input element of type button, submit or reset.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString ButtonDialogName;

ui::WindowDefinition buttonDialogDefinition();
/// Opens ButtonDialog modally; returns once it has closed.
void openButtonDialog(ui::UiRuntime &rt);

} // namespace markup
