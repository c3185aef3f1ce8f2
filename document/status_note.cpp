// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_note.h"

#include "editing.h"

#include "ui/editor_ranges.h"

namespace document {
namespace {

struct Standing {
    core::Text note[2], toolTip[2], hint;
};

Standing &standing()
{
    static Standing s;
    return s;
}

core::Text joined(std::initializer_list<core::Text> parts, QChar separator)
{
    QStringList kept;
    for (const core::Text &p : parts)
        if (!p.isEmpty())
            kept << p;
    return kept.join(separator);
}

core::Text panelText()
{
    const Standing &s = standing();
    return joined({s.note[0], s.note[1]}, u' ');
}

} // namespace

void showStatusNote(ui::UiRuntime &rt, const core::Text &note, const core::Text &toolTip, StandingNote which)
{
    Standing &s = standing();
    s.note[int(which)] = note;
    s.toolTip[int(which)] = toolTip;
    rt.setPanelText(statusBar(), NotePanel, panelText());
    rt.setPanelToolTip(statusBar(), NotePanel, joined({s.toolTip[0], s.toolTip[1], s.hint}, u'\n'));
}

void setStatusHint(ui::UiRuntime &rt, const core::Text &hint)
{
    standing().hint = hint;
    const Standing &s = standing();
    rt.setPanelToolTip(statusBar(), NotePanel, joined({s.toolTip[0], s.toolTip[1], s.hint}, u'\n'));
}

void showBriefNote(ui::UiRuntime &rt, const core::Text &note)
{
    ui::showPanelNote(rt, statusBar(), NotePanel, note, BriefNoteMilliseconds, panelText());
}

} // namespace document
