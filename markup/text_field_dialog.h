// SPDX-License-Identifier: GPL-3.0-or-later
// TextFieldDialog ("文本框"): a one-line input on its first page, a textarea with initial lines on
// its second. The lines come from the modeless AddTextDialog.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString TextFieldDialogName;

ui::WindowDefinition textFieldDialogDefinition();
/// Opens TextFieldDialog modally; returns once it has closed.
void openTextFieldDialog(ui::UiRuntime &rt);

} // namespace markup
