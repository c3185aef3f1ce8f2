// SPDX-License-Identifier: GPL-3.0-or-later
// LabelDialog ("标签"): a label element around the typed text.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString LabelDialogName;

ui::WindowDefinition labelDialogDefinition(document::Session &s);
/// Opens LabelDialog modally; returns once it has closed.
void openLabelDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads a <label>…</label>: its content is the text.
ElementForm readLabel(const Element &element);

} // namespace markup
