// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

void setDisabled(ui::UiRuntime &rt, const Session &s, const QString &item, bool disabled)
{
    rt.setMenuItemDisabled(s.unit(u"编辑/"_s + item), disabled);
}

} // namespace

core::Text sizeInKilobytes(qint64 bytes) { return core::toText(core::roundTo(double(bytes) / 1024, 2)) + u"k"_s; }

void redo(ui::UiRuntime &rt, Session &s) { rt.sendEditorCommand(s.editor(), ui::EditorCommand::Redo); }

void clipboardSafeDelete(ui::UiRuntime &rt, Session &s)
{
    // Removing the selection directly, instead of cutting and putting the old text back, keeps
    // whatever the clipboard holds (pictures, several formats) untouched. It is one undo step.
    if (rt.getSelectionLength(s.editor()) > 0)
        rt.insertAtCaret(s.editor(), {});
}

bool showEditorMenu(ui::UiRuntime &rt, Session &s)
{
    // Only the menu bar's items change state; the pop-up's own items always stay enabled.
    setDisabled(rt, s, u"撤消"_s, rt.sendEditorCommand(s.editor(), ui::EditorCommand::GetModify) == 0);
    setDisabled(rt, s, u"粘贴"_s, !rt.clipboardHasText());
    const bool nothingSelected = rt.getSelectionLength(s.editor()) == 0;
    for (const QString &item : {u"剪切"_s, u"复制"_s, u"删除"_s})
        setDisabled(rt, s, item, nothingSelected);
    rt.popUpMenu(s.window(), u"鼠标菜单"_s);
    return false; // the editor's own context menu is not shown
}

void updateEditorStatus(ui::UiRuntime &rt, Session &s)
{
    // Every value comes from the editor's own indexes and running byte count: the cost does not
    // grow with the document.
    rt.setPanelText(s.statusBar(), SizePanel, sizeInKilobytes(rt.getEditorByteLength(s.editor(), s.encoding())));
    rt.setPanelText(s.statusBar(), LineCountPanel, core::toText(rt.getLineCount(s.editor())));
    updateCaretPanels(rt, s);
    s.raiseModified();
}

void updateCaretPanels(ui::UiRuntime &rt, Session &s)
{
    rt.setPanelText(s.statusBar(), CaretLinePanel, core::toText(rt.getCaretLine(s.editor())));
    rt.setPanelText(s.statusBar(), CaretColumnPanel, core::toText(rt.getCaretColumn(s.editor())));
}

void reflowMainWindow(ui::UiRuntime &rt, Session &s)
{
    const ui::ControlRef window = s.unit({});
    const ui::ControlRef toolbar = s.unit(u"新选择夹1"_s);
    const ui::ControlRef pane = s.unit(u"新选择夹2"_s);
    const ui::ControlRef &editor = s.editor();
    using ui::Bound;
    const int width = rt.getBounds(window, Bound::Width);
    const int height = rt.getBounds(window, Bound::Height);
    // Fixed margins for the frame, the menu bar, the status bar and the tab headers.
    rt.setBounds(toolbar, Bound::Width, width - 8);
    rt.setBounds(editor, Bound::Width, width - rt.getBounds(pane, Bound::Width) - 8);
    rt.setBounds(editor, Bound::Height, height - rt.getBounds(toolbar, Bound::Height) - 65);
    rt.setBounds(pane, Bound::Height, rt.getBounds(editor, Bound::Height));
    for (const QString &list : {u"列表框1"_s, u"列表框2"_s, u"列表框3"_s, u"列表框4"_s})
        rt.setBounds(s.unit(list), Bound::Height, rt.getBounds(pane, Bound::Height) - 41);
}

} // namespace document
