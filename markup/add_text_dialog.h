// SPDX-License-Identifier: GPL-3.0-or-later
// AddTextDialog ("添加文本"): the modeless companion that appends initial lines to
// TextFieldDialog's list. It belongs to TextFieldDialog and closes together with it.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString AddTextDialogName;

ui::WindowDefinition addTextDialogDefinition();
/// Opens AddTextDialog modeless beside TextFieldDialog; an open one comes to the front as it is.
void openAddTextDialog(ui::UiRuntime &rt);

} // namespace markup
