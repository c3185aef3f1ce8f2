// SPDX-License-Identifier: GPL-3.0-or-later
// AddOptionDialog ("添加"): the modeless companion that appends option and value pairs to
// DropDownDialog's lists. It belongs to DropDownDialog and closes together with it.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString AddOptionDialogName;

ui::WindowDefinition addOptionDialogDefinition();
/// Opens AddOptionDialog modeless beside DropDownDialog; an open one comes to the front as it is.
void openAddOptionDialog(ui::UiRuntime &rt);

} // namespace markup
