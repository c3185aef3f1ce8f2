// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "document/editor.h"

using namespace Qt::Literals::StringLiterals;

namespace reference {
namespace {

const QString Pane = u"新选择夹2"_s;

/// Inserts the list's current item at the caret. No current item, or one of the empty rows at
/// the end, gives the empty text, which only removes the selection.
ui::Handler insertCurrentItem(const QString &list)
{
    return [list](ui::UiRuntime &rt) {
        const ui::ControlRef ref{u"MainWindow"_s, list};
        document::insertPieces(rt, {rt.getListItem(ref, rt.getListIndex(ref))});
    };
}

/// Brings a page of the reference pane to the front; nothing else changes.
ui::Handler showPage(int page)
{
    return [page](ui::UiRuntime &rt) { rt.setCurrentPage({u"MainWindow"_s, Pane}, page); };
}

} // namespace

std::vector<ui::UnitBinding> mainWindowBindings()
{
    return {
        {u"工具/vb参考"_s, ui::Event::Clicked, showPage(0)},
        {u"工具/html参考"_s, ui::Event::Clicked, showPage(1)},
        {u"工具/ihtml参考"_s, ui::Event::Clicked, showPage(2)},
        {u"工具/asp参考"_s, ui::Event::Clicked, showPage(3)},
        // By the time a double click arrives its first click has made the clicked row current.
        {u"列表框2"_s, ui::Event::DoubleClick, insertCurrentItem(u"列表框2"_s)},
        {u"列表框3"_s, ui::Event::DoubleClick, insertCurrentItem(u"列表框3"_s)},
        {u"列表框1"_s, ui::Event::ItemDoubleClicked, insertCurrentItem(u"列表框1"_s)},
        // A user who double-clicks a server variable expects it in the document, like the other lists.
        {u"列表框4"_s, ui::Event::ItemDoubleClicked, insertCurrentItem(u"列表框4"_s)},
    };
}

} // namespace reference
