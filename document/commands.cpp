// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "editing.h"
#include "lifecycle.h"
#include "templates.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

void send(ui::UiRuntime &rt, ui::EditorCommand command) { rt.sendEditorCommand(codeEditor(), command); }

} // namespace

std::vector<ui::UnitBinding> mainWindowBindings()
{
    using ui::EditorCommand;
    using ui::Event;
    using ui::UiRuntime;
    const auto save = [](UiRuntime &rt) { saveToChosenFile(rt); };
    const auto cut = [](UiRuntime &rt) { send(rt, EditorCommand::Cut); };
    const auto copy = [](UiRuntime &rt) { send(rt, EditorCommand::Copy); };
    const auto paste = [](UiRuntime &rt) { send(rt, EditorCommand::Paste); };
    return {
        {u"文件/新建/新建html文件"_s, Event::Clicked, [](UiRuntime &rt) { newDocument(rt, newPageTemplate()); }},
        {u"文件/新建/新建asp文件"_s, Event::Clicked, [](UiRuntime &rt) { newDocument(rt, aspTemplate()); }},
        {u"文件/新建/新建css文件"_s, Event::Clicked, [](UiRuntime &rt) { newDocument(rt, cssTemplate(), ui::Language::Css); }},
        {u"文件/打开"_s, Event::Clicked, openDocument},
        {u"文件/保存"_s, Event::Clicked, save},
        {u"文件/另存为..."_s, Event::Clicked, save},
        {{}, Event::BeingDestroyed, exitCheck},

        {u"编辑/撤消"_s, Event::Clicked, [](UiRuntime &rt) { send(rt, EditorCommand::Undo); }},
        {u"编辑/剪切"_s, Event::Clicked, cut},
        {u"编辑/复制"_s, Event::Clicked, copy},
        {u"编辑/粘贴"_s, Event::Clicked, paste},
        {u"编辑/删除"_s, Event::Clicked, clipboardSafeDelete},
        {u"编辑/选择全部的"_s, Event::Clicked, [](UiRuntime &rt) { rt.selectAllText(codeEditor()); }},
        {u"鼠标菜单/剪切"_s, Event::Clicked, cut},
        {u"鼠标菜单/复制"_s, Event::Clicked, copy},
        {u"鼠标菜单/粘贴"_s, Event::Clicked, paste},
        {u"鼠标菜单/删除"_s, Event::Clicked, clipboardSafeDelete},
        {u"鼠标菜单/选择全部的"_s, Event::Clicked, [](UiRuntime &rt) { send(rt, EditorCommand::SelectAll); }},

        {codeEditor().unit, Event::RightButtonUp, showEditorMenu},
        {codeEditor().unit, Event::ContentChanged, updateEditorStatus},
        {codeEditor().unit, Event::SelectionChanged, updateCaretPanels},
        {{}, Event::Resized, reflowMainWindow},
    };
}

} // namespace document
