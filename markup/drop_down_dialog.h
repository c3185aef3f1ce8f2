// SPDX-License-Identifier: GPL-3.0-or-later
// DropDownDialog ("下拉框"): a select element with one option line per entry of its two parallel
// lists, which the modeless AddOptionDialog fills.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString DropDownDialogName;

ui::WindowDefinition dropDownDialogDefinition(document::Session &s);
/// Opens DropDownDialog modally; returns once it has closed.
void openDropDownDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads a <select>…</select>: name, the multiple choice, and each option's value into the
/// option list and its text (without the quotes the dialog writes) into the value list.
ElementForm readDropDown(const Element &element);

} // namespace markup
