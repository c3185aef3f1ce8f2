// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

using namespace Qt::Literals::StringLiterals;

namespace reference {
namespace {

const QString Pane = u"新选择夹2"_s;

/// Inserts the list's current item at the caret. No current item, or one of the empty rows at
/// the end, gives the empty text, which only removes the selection.
ui::Handler insertCurrentItem(document::Session &s, const QString &list)
{
    return [&s, list](ui::UiRuntime &rt) {
        const ui::ControlRef ref = s.unit(list);
        document::insertPieces(rt, s, {rt.getListItem(ref, rt.getListIndex(ref))});
    };
}

/// Brings a page of the reference pane to the front; nothing else changes.
ui::Handler showPage(document::Session &s, int page)
{
    return [&s, page](ui::UiRuntime &rt) { rt.setCurrentPage(s.unit(Pane), page); };
}

} // namespace

std::vector<ui::UnitBinding> mainWindowBindings(document::Session &s)
{
    return {
        {u"工具/vb参考"_s, ui::Event::Clicked, showPage(s, 0)},
        {u"工具/html参考"_s, ui::Event::Clicked, showPage(s, 1)},
        {u"工具/ihtml参考"_s, ui::Event::Clicked, showPage(s, 2)},
        {u"工具/asp参考"_s, ui::Event::Clicked, showPage(s, 3)},
        // By the time a double click arrives its first click has made the clicked row current.
        {u"列表框2"_s, ui::Event::DoubleClick, insertCurrentItem(s, u"列表框2"_s)},
        {u"列表框3"_s, ui::Event::DoubleClick, insertCurrentItem(s, u"列表框3"_s)},
        {u"列表框1"_s, ui::Event::ItemDoubleClicked, insertCurrentItem(s, u"列表框1"_s)},
        // A user who double-clicks a server variable expects it in the document, like the other lists.
        {u"列表框4"_s, ui::Event::ItemDoubleClicked, insertCurrentItem(s, u"列表框4"_s)},
    };
}

} // namespace reference
