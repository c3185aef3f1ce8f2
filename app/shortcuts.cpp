// SPDX-License-Identifier: GPL-3.0-or-later
// The MainWindow's keyboard shortcuts, one row each. A row naming a menu item runs that item's
// Clicked binding, so the keys and a click can never differ; a row without one runs its handler.
#include "shortcuts.h"

#include "document/editing.h"
#include "document/encoding_dialog.h"
#include "document/find_dialog.h"
#include "document/go_to_line_dialog.h"
#include "document/preview_window.h"
#include "markup/element_edit.h"
#include "markup/page_check_window.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

std::vector<KeyedWindow> keyedWindows(const OpenNewWindow &openNew)
{
    return {
        {u"Ctrl+Shift+N"_s, u"新窗口：另开一个窗口编辑新网页，与本窗口互不影响"_s,
         [openNew](ui::UiRuntime &rt, document::Session &) {
             if (openNew)
                 openNew(rt);
         }},
        {u"Ctrl+E"_s, markup::elementEditingHint(), markup::editElementAtCaret},
        {u"Ctrl+Shift+E"_s, u"“文字编码”窗口：按选定的编码重新打开文件，或保存时改用它"_s, document::openEncodingWindow},
        {u"F7"_s, u"“检查网页”窗口：找出标记的错误、标签和代码里的全角标点、与保存编码不符的声明"_s, markup::openPageCheck},
        {u"F12"_s, u"“预览”窗口：随输入显示网页的样子；再按一次关闭"_s, document::togglePreview},
    };
}

QString keyedWindowsHint()
{
    QStringList lines;
    for (const KeyedWindow &w : keyedWindows())
        lines << w.keys + u"："_s + w.opens;
    return lines.join(u'\n');
}

std::vector<ui::Shortcut> mainWindowShortcuts(document::Session &s, const OpenNewWindow &openNew)
{
    using document::withSession;
    std::vector<ui::Shortcut> shortcuts = {
        {u"Ctrl+N"_s, u"文件/新建/新建html文件"_s},
        {u"Ctrl+O"_s, u"文件/打开"_s},
        {u"Ctrl+S"_s, u"文件/保存"_s},
        {u"Ctrl+Shift+S"_s, u"文件/另存为..."_s},
        {u"Ctrl+Z"_s, u"编辑/撤消"_s},
        {u"Ctrl+Y"_s, {}, withSession(s, document::redo)},
        {u"Ctrl+Shift+Z"_s, {}, withSession(s, document::redo)},
        {u"Ctrl+X"_s, u"编辑/剪切"_s},
        {u"Ctrl+C"_s, u"编辑/复制"_s},
        {u"Ctrl+V"_s, u"编辑/粘贴"_s},
        {u"Ctrl+A"_s, u"编辑/选择全部的"_s},
        {u"Ctrl+F"_s, {}, withSession(s, document::openFind)},
        {u"Ctrl+H"_s, {}, withSession(s, document::openReplace)},
        {u"F3"_s, {}, withSession(s, document::findNext)},
        {u"Shift+F3"_s, {}, withSession(s, document::findPrevious)},
        {u"Ctrl+G"_s, {}, withSession(s, document::openGoToLine)},
    };
    for (KeyedWindow &w : keyedWindows(openNew))
        shortcuts.push_back({w.keys, {}, [&s, command = std::move(w.command)](ui::UiRuntime &rt) { command(rt, s); }});
    return shortcuts;
}

} // namespace app
