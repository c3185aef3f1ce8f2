// SPDX-License-Identifier: GPL-3.0-or-later
// CaptionDialog ("标题"): a table caption whose text stands between double quotes.
#pragma once

#include "ui/runtime.h"

namespace markup {

extern const QString CaptionDialogName;

ui::WindowDefinition captionDialogDefinition();
/// Opens CaptionDialog modally; returns once it has closed.
void openCaptionDialog(ui::UiRuntime &rt);

} // namespace markup
