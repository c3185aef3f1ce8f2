// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/runtime.h"

#include <vector>

namespace document {

using Pieces = std::vector<ui::Text>;

/// The page skeleton every run starts with and "新建html文件" writes: twelve pieces.
const Pieces &newPageTemplate();
const Pieces &aspTemplate();
const Pieces &cssTemplate();

/// Writes the pieces into the CodeEditor, one InsertAtCaret call each.
void writeTemplate(ui::UiRuntime &rt, const Pieces &pieces);

} // namespace document
