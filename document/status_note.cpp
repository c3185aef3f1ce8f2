// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_note.h"

#include "editing.h"

#include "ui/editor_ranges.h"

namespace document {
namespace {

struct Standing {
    ui::Text note, toolTip, hint;
};

Standing &standing()
{
    static Standing s;
    return s;
}

void writeToolTip(ui::UiRuntime &rt)
{
    const Standing &s = standing();
    const ui::Text tip = s.toolTip.isEmpty() ? s.hint : s.hint.isEmpty() ? s.toolTip : s.toolTip + u'\n' + s.hint;
    rt.setPanelToolTip(statusBar(), NotePanel, tip);
}

} // namespace

void showStatusNote(ui::UiRuntime &rt, const ui::Text &note, const ui::Text &toolTip)
{
    standing().note = note;
    standing().toolTip = toolTip;
    rt.setPanelText(statusBar(), NotePanel, note);
    writeToolTip(rt);
}

void setStatusHint(ui::UiRuntime &rt, const ui::Text &hint)
{
    standing().hint = hint;
    writeToolTip(rt);
}

void showBriefNote(ui::UiRuntime &rt, const ui::Text &note)
{
    ui::showPanelNote(rt, statusBar(), NotePanel, note, BriefNoteMilliseconds, standing().note);
}

} // namespace document
