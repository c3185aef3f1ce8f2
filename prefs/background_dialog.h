// SPDX-License-Identifier: GPL-3.0-or-later
// BackgroundColourDialog ("背景设置"): picks the background colour of the editing area.
#pragma once

#include "document/session.h"

namespace prefs {

inline const QString BackgroundDialogName = QStringLiteral("BackgroundColourDialog");

/// The dialog for the session's editor.
ui::WindowDefinition backgroundColourDialog(document::Session &s);

/// Opens the dialog modally; returns once it has closed.
void openBackgroundColourDialog(ui::UiRuntime &rt, document::Session &s);

} // namespace prefs
