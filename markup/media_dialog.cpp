// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"MediaDialog"_s;
const QString Group = u"分组框1"_s;

void insertEmbed(ui::UiRuntime &rt, document::Session &s)
{
    // Each size field goes where its label says: 编辑框2 sits beside "高度：", 编辑框3 beside "宽度：".
    insertAndClose(rt, s, Dialog,
                   {u"<embed src=\""_s + fieldText(rt, Dialog, u"编辑框1"_s) + u"\" width="_s +
                    fieldText(rt, Dialog, u"编辑框3"_s) + u" height="_s + fieldText(rt, Dialog, u"编辑框2"_s) +
                    u"></embed>"_s});
}

} // namespace

ui::WindowDefinition mediaDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"插入的mp媒体"_s,
        .width = 380,
        .height = 202,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {2, -3, 368, 131}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {14, 19, 80, 32},
             .caption = u"视频文件路径："_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {103, 23, 191, 20}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = Group, .geometry = {302, 27, 32, 16},
             .caption = u"..."_s, .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses({Dialog, u"通用对话框1"_s}, {Dialog, u"编辑框1"_s})}}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .parent = Group, .geometry = {61, 58, 32, 24},
             .caption = u"高度："_s},
            {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {103, 58, 64, 20}},
            {.unit = u"标签3"_s, .kind = Kind::Label, .parent = Group, .geometry = {60, 98, 32, 16},
             .caption = u"宽度："_s},
            {.unit = u"编辑框3"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {103, 95, 64, 20}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {234, 143, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, document::withSession(s, insertEmbed)}}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .geometry = {296, 144, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
            {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false, .dialogMode = ui::OpenFileMode},
        },
    };
}

ElementForm readMedia(const Element &e)
{
    return {.definition = mediaDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"src")), textField(Dialog, u"编辑框3"_s, e.value(u"width")),
                       textField(Dialog, u"编辑框2"_s, e.value(u"height"))},
            .owned = {{u"src"_s, {u"编辑框1"_s}}, {u"width"_s, {u"编辑框3"_s}}, {u"height"_s, {u"编辑框2"_s}}}};
}

} // namespace markup
