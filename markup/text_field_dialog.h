// SPDX-License-Identifier: GPL-3.0-or-later
// TextFieldDialog ("文本框"): a one-line input on its first page, a textarea with initial lines on
// its second. The lines come from the modeless AddTextDialog.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString TextFieldDialogName;

ui::WindowDefinition textFieldDialogDefinition(document::Session &s);
/// Opens TextFieldDialog modally; returns once it has closed.
void openTextFieldDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads an <input> of type text or password (or without a type) onto the first page: name,
/// initial value and the password choice; its size is fixed and stays as written.
ElementForm readTextField(const Element &element);
/// Reads a <textarea>…</textarea> onto the second page: name, width, height and the lines of
/// its text (one line break after the start tag is the dialog's own and not a line).
ElementForm readTextArea(const Element &element);

} // namespace markup
