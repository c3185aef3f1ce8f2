// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_sheet_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"StyleSheetDialog"_s;
const QString Group = u"分组框1"_s;

void insertStyleSheetLink(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Dialog,
                   {u"<link rel=\"stylesheet\" href=\""_s + fieldText(rt, Dialog, u"编辑框1"_s) +
                    u"\" type=\"text/css\" />"_s});
}

} // namespace

ui::WindowDefinition styleSheetDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"加入已有的css"_s,
        .width = 380,
        .height = 120,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {8, 0, 352, 56}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {32, 18, 24, 24},
             .caption = u"css:"_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {60, 20, 251, 20}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .parent = Group, .geometry = {318, 18, 24, 24},
             .caption = u"..."_s, .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses({Dialog, u"通用对话框1"_s}, {Dialog, u"编辑框1"_s})}}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {239, 64, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, document::withSession(s, insertStyleSheetLink)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {303, 62, 56, 32},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
            // The stored filter ends in CR LF; the file dialog reads past it.
            {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false, .dialogMode = ui::OpenFileMode,
             .filter = u"css文件|*.css|所有文件|*.*\r\n"_s},
        },
    };
}

ElementForm readStyleSheet(const Element &e)
{
    return {.definition = styleSheetDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"href"))},
            .owned = {{u"rel"_s, {}}, {u"href"_s, {u"编辑框1"_s}}, {u"type"_s, {}}}};
}

} // namespace markup
