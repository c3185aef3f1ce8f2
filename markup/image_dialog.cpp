// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"ImageDialog"_s;
const QString Group = u"分组框1"_s;

core::Text field(ui::UiRuntime &rt, const QString &unit) { return fieldText(rt, Dialog, unit); }

void insertImage(ui::UiRuntime &rt)
{
    // The map block always follows, so that usemap names a map even when it is left empty.
    insertAndClose(rt, Dialog,
                   {
                       u"<img src=\""_s + field(rt, u"编辑框1"_s) + u"\" width=\""_s + field(rt, u"编辑框2"_s) +
                           u"\" height=\""_s + field(rt, u"编辑框3"_s) + u"\" align=\""_s + field(rt, u"组合框1"_s) +
                           u"\" border=\""_s + field(rt, u"编辑框4"_s) + u"\" alt=\""_s + field(rt, u"编辑框5"_s) +
                           u"\" usemap=#"_s + field(rt, u"编辑框6"_s) + u">\r\n"_s,
                       u"<map name="_s + field(rt, u"编辑框6"_s) + u">\r\n"_s,
                       u"<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"_s,
                       u"</map>"_s,
                   });
}

} // namespace

ui::WindowDefinition imageDialog()
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"图片设置"_s,
        .width = 380,
        .height = 230,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {3, -2, 368, 168}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {13, 18, 64, 24},
             .caption = u"图片位置："_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {77, 20, 232, 20}},
            // The image is browsed with the MainWindow's file dialog, in whatever mode and with
            // whatever filter the document commands left it.
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = Group, .geometry = {317, 26, 32, 16},
             .caption = u"..."_s, .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses(document::fileDialog(), {Dialog, u"编辑框1"_s})}}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .parent = Group, .geometry = {15, 51, 40, 24},
             .caption = u"宽度："_s},
            {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {59, 53, 103, 20}},
            {.unit = u"标签3"_s, .kind = Kind::Label, .parent = Group, .geometry = {187, 52, 40, 24},
             .caption = u"高度："_s},
            {.unit = u"编辑框3"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {237, 53, 106, 20}},
            {.unit = u"标签4"_s, .kind = Kind::Label, .parent = Group, .geometry = {13, 83, 56, 24},
             .caption = u"文本环绕："_s},
            {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = Group, .geometry = {79, 84, 96, 20},
             .items = {u"top"_s, u"middle"_s, u"bottom"_s}},
            {.unit = u"标签6"_s, .kind = Kind::Label, .parent = Group, .geometry = {186, 85, 35, 24},
             .caption = u"边框："_s},
            {.unit = u"编辑框4"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {236, 85, 106, 20}},
            {.unit = u"标签5"_s, .kind = Kind::Label, .parent = Group, .geometry = {19, 117, 40, 24},
             .caption = u"ALT："_s},
            {.unit = u"编辑框5"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {56, 119, 104, 20}},
            {.unit = u"标签7"_s, .kind = Kind::Label, .parent = Group, .geometry = {173, 114, 64, 32},
             .caption = u"地图名称："_s},
            {.unit = u"编辑框6"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {237, 122, 106, 20}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {232, 171, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, insertImage}}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .geometry = {304, 173, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
        },
    };
}

ElementForm readImage(const Element &e)
{
    core::Text map = e.value(u"usemap");
    if (map.startsWith(u'#'))
        map.remove(0, 1);
    return {.definition = imageDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"src")), textField(Dialog, u"编辑框2"_s, e.value(u"width")),
                       textField(Dialog, u"编辑框3"_s, e.value(u"height")),
                       textField(Dialog, u"组合框1"_s, e.value(u"align")),
                       textField(Dialog, u"编辑框4"_s, e.value(u"border")), textField(Dialog, u"编辑框5"_s, e.value(u"alt")),
                       textField(Dialog, u"编辑框6"_s, map)},
            .owned = {{u"src"_s, {u"编辑框1"_s}},
                      {u"width"_s, {u"编辑框2"_s}},
                      {u"height"_s, {u"编辑框3"_s}},
                      {u"align"_s, {u"组合框1"_s}},
                      {u"border"_s, {u"编辑框4"_s}},
                      {u"alt"_s, {u"编辑框5"_s}},
                      {u"usemap"_s, {u"编辑框6"_s}}}};
}

} // namespace markup
