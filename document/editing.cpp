// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing.h"

#include "state.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

ui::ControlRef mainWindowUnit(const QString &unit) { return {codeEditor().window, unit}; }

void setDisabled(ui::UiRuntime &rt, const QString &item, bool disabled)
{
    rt.setMenuItemDisabled(mainWindowUnit(u"编辑/"_s + item), disabled);
}

} // namespace

const ui::ControlRef &statusBar()
{
    static const ui::ControlRef ref = mainWindowUnit(u"状态条1"_s);
    return ref;
}

core::Text sizeInKilobytes(qint64 bytes) { return core::toText(core::roundTo(double(bytes) / 1024, 2)) + u"k"_s; }

void redo(ui::UiRuntime &rt) { rt.sendEditorCommand(codeEditor(), ui::EditorCommand::Redo); }

void clipboardSafeDelete(ui::UiRuntime &rt)
{
    // Removing the selection directly, instead of cutting and putting the old text back, keeps
    // whatever the clipboard holds (pictures, several formats) untouched. It is one undo step.
    if (rt.getSelectionLength(codeEditor()) > 0)
        rt.insertAtCaret(codeEditor(), {});
}

bool showEditorMenu(ui::UiRuntime &rt, const ui::EventInfo &)
{
    // Only the menu bar's items change state; the pop-up's own items always stay enabled.
    setDisabled(rt, u"撤消"_s, rt.sendEditorCommand(codeEditor(), ui::EditorCommand::GetModify) == 0);
    setDisabled(rt, u"粘贴"_s, !rt.clipboardHasText());
    const bool nothingSelected = rt.getSelectionLength(codeEditor()) == 0;
    for (const QString &item : {u"剪切"_s, u"复制"_s, u"删除"_s})
        setDisabled(rt, item, nothingSelected);
    rt.popUpMenu(codeEditor().window, u"鼠标菜单"_s);
    return false; // the editor's own context menu is not shown
}

void updateEditorStatus(ui::UiRuntime &rt)
{
    // Every value comes from the editor's own indexes and running byte count: the cost does not
    // grow with the document.
    rt.setPanelText(statusBar(), SizePanel, sizeInKilobytes(rt.getEditorByteLength(codeEditor(), documentEncoding())));
    rt.setPanelText(statusBar(), LineCountPanel, core::toText(rt.getLineCount(codeEditor())));
    updateCaretPanels(rt);
    raiseModified();
}

void updateCaretPanels(ui::UiRuntime &rt)
{
    rt.setPanelText(statusBar(), CaretLinePanel, core::toText(rt.getCaretLine(codeEditor())));
    rt.setPanelText(statusBar(), CaretColumnPanel, core::toText(rt.getCaretColumn(codeEditor())));
}

void reflowMainWindow(ui::UiRuntime &rt)
{
    const ui::ControlRef window = mainWindowUnit({});
    const ui::ControlRef toolbar = mainWindowUnit(u"新选择夹1"_s);
    const ui::ControlRef pane = mainWindowUnit(u"新选择夹2"_s);
    const ui::ControlRef &editor = codeEditor();
    using ui::Bound;
    const int width = rt.getBounds(window, Bound::Width);
    const int height = rt.getBounds(window, Bound::Height);
    // Fixed margins for the frame, the menu bar, the status bar and the tab headers.
    rt.setBounds(toolbar, Bound::Width, width - 8);
    rt.setBounds(editor, Bound::Width, width - rt.getBounds(pane, Bound::Width) - 8);
    rt.setBounds(editor, Bound::Height, height - rt.getBounds(toolbar, Bound::Height) - 65);
    rt.setBounds(pane, Bound::Height, rt.getBounds(editor, Bound::Height));
    for (const QString &list : {u"列表框1"_s, u"列表框2"_s, u"列表框3"_s, u"列表框4"_s})
        rt.setBounds(mainWindowUnit(list), Bound::Height, rt.getBounds(pane, Bound::Height) - 41);
}

} // namespace document
