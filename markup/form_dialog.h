// SPDX-License-Identifier: GPL-3.0-or-later
// FormDialog ("表域"): a Form element pair with method and action, an empty line left between.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString FormDialogName;

ui::WindowDefinition formDialogDefinition(document::Session &s);
/// Opens FormDialog modally; returns once it has closed.
void openFormDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads a <form>: method and action; its content is not the dialog's.
ElementForm readForm(const Element &element);

} // namespace markup
