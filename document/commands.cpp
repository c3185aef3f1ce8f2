// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "disk_changes.h"
#include "editing.h"
#include "lifecycle.h"
#include "recovery.h"
#include "templates.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

std::vector<ui::UnitBinding> mainWindowBindings(Session &s)
{
    using ui::EditorCommand;
    using ui::Event;
    using ui::UiRuntime;
    const auto send = [&s](EditorCommand command) {
        return [&s, command](UiRuntime &rt) { rt.sendEditorCommand(s.editor(), command); };
    };
    const auto newFrom = [&s](const Pieces &(*pieces)(), ui::Language language) {
        return [&s, pieces, language](UiRuntime &rt) { newDocument(rt, s, pieces(), language); };
    };
    const auto save = [&s](UiRuntime &rt) { saveToChosenFile(rt, s); };
    const ui::Handler deleteSelection = withSession(s, clipboardSafeDelete);
    return {
        {u"文件/新建/新建html文件"_s, Event::Clicked, newFrom(newPageTemplate, ui::Language::Html)},
        {u"文件/新建/新建asp文件"_s, Event::Clicked, newFrom(aspTemplate, ui::Language::Html)},
        {u"文件/新建/新建css文件"_s, Event::Clicked, newFrom(cssTemplate, ui::Language::Css)},
        {u"文件/打开"_s, Event::Clicked, withSession(s, openDocument)},
        {u"文件/保存"_s, Event::Clicked, save},
        {u"文件/另存为..."_s, Event::Clicked, save},
        {{}, Event::BeingDestroyed, withSession(s, exitCheck)},
        {{}, Event::Activated, withSession(s, checkFileOnDisk)},

        {u"编辑/撤消"_s, Event::Clicked, send(EditorCommand::Undo)},
        {u"编辑/剪切"_s, Event::Clicked, send(EditorCommand::Cut)},
        {u"编辑/复制"_s, Event::Clicked, send(EditorCommand::Copy)},
        {u"编辑/粘贴"_s, Event::Clicked, send(EditorCommand::Paste)},
        {u"编辑/删除"_s, Event::Clicked, deleteSelection},
        {u"编辑/选择全部的"_s, Event::Clicked, [&s](UiRuntime &rt) { rt.selectAllText(s.editor()); }},
        {u"鼠标菜单/剪切"_s, Event::Clicked, send(EditorCommand::Cut)},
        {u"鼠标菜单/复制"_s, Event::Clicked, send(EditorCommand::Copy)},
        {u"鼠标菜单/粘贴"_s, Event::Clicked, send(EditorCommand::Paste)},
        {u"鼠标菜单/删除"_s, Event::Clicked, deleteSelection},
        {u"鼠标菜单/选择全部的"_s, Event::Clicked, send(EditorCommand::SelectAll)},

        {s.editor().unit, Event::RightButtonUp,
         [&s](UiRuntime &rt, const ui::EventInfo &) { return showEditorMenu(rt, s); }},
        {s.editor().unit, Event::ContentChanged,
withSession(s, updateEditorStatus)},
        {s.editor().unit, Event::SelectionChanged, withSession(s, updateCaretPanels)},
        {{}, Event::Resized, withSession(s, reflowMainWindow)},
    };
}

} // namespace document
