// SPDX-License-Identifier: GPL-3.0-or-later
#include "anchor_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"AnchorDialog"_s;
const QString Group = u"分组框1"_s;

void insertAnchor(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Dialog, {u"<a name=\""_s + fieldText(rt, Dialog, u"编辑框1"_s) + u"\"></a>"_s});
}

} // namespace

ui::WindowDefinition anchorDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"命名标记"_s,
        .width = 380,
        .height = 107,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {2, -1, 368, 48}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {14, 17, 40, 24},
             .caption = u"标记："_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {54, 17, 296, 20}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {232, 54, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, document::withSession(s, insertAnchor)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {303, 55, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
        },
    };
}

ElementForm readAnchor(const Element &e)
{
    return {.definition = anchorDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"name"))},
            .owned = {{u"name"_s, {u"编辑框1"_s}}}};
}

} // namespace markup
