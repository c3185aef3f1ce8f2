// SPDX-License-Identifier: GPL-3.0-or-later
// ButtonDialog ("按钮"): an input element of type button, submit or reset.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString ButtonDialogName;

ui::WindowDefinition buttonDialogDefinition(document::Session &s);
/// Opens ButtonDialog modally; returns once it has closed.
void openButtonDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads an <input type=submit|reset|button> (or with an empty type): type, name and value.
ElementForm readButton(const Element &element);

} // namespace markup
