// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_note.h"

#include "editing.h"

namespace document {

void showStatusNote(ui::UiRuntime &rt, const ui::Text &note, const ui::Text &toolTip)
{
    rt.setPanelText(statusBar(), NotePanel, note);
    rt.setPanelToolTip(statusBar(), NotePanel, toolTip);
}

} // namespace document
