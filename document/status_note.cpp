// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_note.h"

namespace document {
namespace {

core::Text joined(std::initializer_list<core::Text> parts, QChar separator)
{
    QStringList kept;
    for (const core::Text &p : parts)
        if (!p.isEmpty())
            kept << p;
    return kept.join(separator);
}

core::Text panelText(const StatusNotes &n) { return joined({n.note[0], n.note[1]}, u' '); }

core::Text panelToolTip(const StatusNotes &n) { return joined({n.toolTip[0], n.toolTip[1], n.hint}, u'\n'); }

} // namespace

void showStatusNote(ui::UiRuntime &rt, Session &s, const core::Text &note, const core::Text &toolTip,
                    StandingNote which)
{
    StatusNotes &n = s.statusNotes();
    n.note[int(which)] = note;
    n.toolTip[int(which)] = toolTip;
    rt.setPanelText(s.statusBar(), NotePanel, panelText(n));
    rt.setPanelToolTip(s.statusBar(), NotePanel, panelToolTip(n));
}

void setStatusHint(ui::UiRuntime &rt, Session &s, const core::Text &hint)
{
    s.statusNotes().hint = hint;
    rt.setPanelToolTip(s.statusBar(), NotePanel, panelToolTip(s.statusNotes()));
}

void showBriefNote(ui::UiRuntime &rt, Session &s, const core::Text &note)
{
    rt.showPanelNote(s.statusBar(), NotePanel, note, BriefNoteMilliseconds, panelText(s.statusNotes()));
}

} // namespace document
