// SPDX-License-Identifier: GPL-3.0-or-later
// CaptionDialog ("标题"): a table caption whose text stands between double quotes.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString CaptionDialogName;

ui::WindowDefinition captionDialogDefinition(document::Session &s);
/// Opens CaptionDialog modally; returns once it has closed.
void openCaptionDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads a <caption>"…"</caption>: its content, without the quotes the dialog writes, is the text.
ElementForm readCaption(const Element &element);

} // namespace markup
