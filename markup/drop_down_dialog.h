// SPDX-License-Identifier: GPL-3.0-or-later
// DropDownDialog ("下拉框"): a select element with one option line per entry of its two parallel
// lists, which the modeless AddOptionDialog fills.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString DropDownDialogName;

ui::WindowDefinition dropDownDialogDefinition();
/// Opens DropDownDialog modally; returns once it has closed.
void openDropDownDialog(ui::UiRuntime &rt);

} // namespace markup
