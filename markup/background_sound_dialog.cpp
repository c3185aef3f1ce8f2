// SPDX-License-Identifier: GPL-3.0-or-later
#include "background_sound_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"BackgroundSoundDialog"_s;
const QString Group = u"分组框1"_s;

void insertSound(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Dialog,
                   {u"<bgsound src=\""_s + fieldText(rt, Dialog, u"编辑框1"_s) + u"\" loop="_s +
                    fieldText(rt, Dialog, u"编辑框2"_s) + u">"_s});
}

} // namespace

ui::WindowDefinition backgroundSoundDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"背景音乐"_s,
        .width = 380,
        .height = 208,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {2, 0, 368, 136}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {15, 25, 64, 16},
             .caption = u"媒体路径："_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {78, 23, 232, 20}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .parent = Group, .geometry = {316, 22, 24, 24},
             .caption = u"..."_s, .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses({Dialog, u"通用对话框1"_s}, {Dialog, u"编辑框1"_s})}}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .parent = Group, .geometry = {14, 51, 56, 16},
             .caption = u"播放次数："_s},
            {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {78, 50, 264, 20}},
            {.unit = u"标签3"_s, .kind = Kind::Label, .parent = Group, .geometry = {86, 72, 64, 24},
             .caption = u"提示："_s},
            {.unit = u"标签4"_s, .kind = Kind::Label, .parent = Group, .geometry = {113, 95, 133, 32},
             .caption = u"循环播放请输入 -1"_s},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {216, 144, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, document::withSession(s, insertSound)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {284, 144, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
            {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false, .dialogMode = ui::OpenFileMode},
        },
    };
}

ElementForm readBackgroundSound(const Element &e)
{
    return {.definition = backgroundSoundDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"src")), textField(Dialog, u"编辑框2"_s, e.value(u"loop"))},
            .owned = {{u"src"_s, {u"编辑框1"_s}}, {u"loop"_s, {u"编辑框2"_s}}}};
}

} // namespace markup
