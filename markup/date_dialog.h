// SPDX-License-Identifier: GPL-3.0-or-later
// DateDialog ("日期"): a weekday and a date, each one of the sample texts of its list. The clock
// is not read: the samples themselves are inserted.
#pragma once

#include "document/session.h"

namespace markup {

extern const QString DateDialogName;

ui::WindowDefinition dateDialogDefinition(document::Session &s);
/// Opens DateDialog modally; returns once it has closed.
void openDateDialog(ui::UiRuntime &rt, document::Session &s);

} // namespace markup
