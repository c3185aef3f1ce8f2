// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the element under the caret in the dialog that writes it: the dialog is opened as it
// always is, its fields are filled from the element afterwards, and its OK rewrites the element
// in place instead of inserting at the caret.
#pragma once

#include "element_form.h"

namespace markup {

/// How far on either side of the caret the element is looked for, in bytes of the editor.
inline constexpr qint64 ElementReach = 64 * 1024;

/// The dialog form of the element the caret is in, or a one-line note why there is none.
struct FoundElement {
    std::optional<Element> element;
    std::optional<ElementForm> form;
    core::Text note;
};
FoundElement findElement(QStringView text, qsizetype caret);

/// The command: opens the element's dialog filled from it, or shows the note in the status bar.
void editElementAtCaret(ui::UiRuntime &rt, document::Session &doc);

/// What Ctrl+E opens, as the status panel's tooltip tells the user the command exists.
core::Text elementEditingHint();

} // namespace markup
