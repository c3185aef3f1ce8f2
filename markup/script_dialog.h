// SPDX-License-Identifier: GPL-3.0-or-later
// ScriptDialog ("脚本设置"): a script block in one of four languages around the typed code.
#pragma once

#include "element_form.h"

#include "ui/runtime.h"

namespace markup {

extern const QString ScriptDialogName;

ui::WindowDefinition scriptDialogDefinition(document::Session &s);
/// Opens ScriptDialog modally; returns once it has closed. Every opener shows the same state.
void openScriptDialog(ui::UiRuntime &rt, document::Session &s);

/// Reads a <script>…</script>: the language (a listed one whatever its case, otherwise as
/// written; without one, the language its type names) and the body between the line breaks the
/// dialog writes after the start tag and before the end tag.
ElementForm readScript(const Element &element);

} // namespace markup
