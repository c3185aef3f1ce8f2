// SPDX-License-Identifier: GPL-3.0-or-later
#include "hyperlink_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"HyperlinkDialog"_s;
const QString UrlGroup = u"分组框1"_s;
const QString AttributeGroup = u"分组框2"_s;
const ui::ControlRef Url{Dialog, u"编辑框1"_s};

void startWithFirstTarget(ui::UiRuntime &rt) { rt.selectComboItem({Dialog, u"组合框1"_s}, 0); }

/// A scheme button replaces whatever was typed with the bare scheme.
ui::Handler writesScheme(const QString &scheme)
{
    return [scheme](ui::UiRuntime &rt) { rt.setFieldText(Url, scheme); };
}

void insertLink(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Dialog,
                   {u"<a href=\""_s + fieldText(rt, Dialog, u"编辑框1"_s) + u"\" title=\""_s +
                    fieldText(rt, Dialog, u"编辑框2"_s) + u"\" target=\""_s + fieldText(rt, Dialog, u"组合框1"_s) +
                    u"\"></a> "_s});
}

} // namespace

ui::WindowDefinition hyperlinkDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"超连接"_s,
        .width = 380,
        .height = 250,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = UrlGroup, .kind = Kind::GroupBox, .geometry = {7, 1, 360, 88}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = UrlGroup, .geometry = {16, 19, 33, 24},
             .caption = u"URL："_s, .font = ui::Font{u"宋体"_s, 12, true, false}},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = UrlGroup, .geometry = {49, 20, 248, 20}},
            {.unit = u"超级按钮5"_s, .kind = Kind::PictureButton, .parent = UrlGroup, .geometry = {302, 19, 32, 24},
             .caption = u"..."_s, .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses({Dialog, u"通用对话框1"_s}, Url)}}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = UrlGroup, .geometry = {57, 48, 45, 25},
             .caption = u"http"_s, .bindings = {{Event::Clicked, writesScheme(u"http://"_s)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .parent = UrlGroup, .geometry = {126, 48, 45, 25},
             .caption = u"https"_s, .bindings = {{Event::Clicked, writesScheme(u"https://"_s)}}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .parent = UrlGroup, .geometry = {186, 48, 45, 25},
             .caption = u"ftp"_s, .bindings = {{Event::Clicked, writesScheme(u"ftp://"_s)}}},
            {.unit = u"超级按钮4"_s, .kind = Kind::PictureButton, .parent = UrlGroup, .geometry = {248, 48, 45, 25},
             .caption = u"mailto"_s, .bindings = {{Event::Clicked, writesScheme(u"mailto:"_s)}}},
            {.unit = AttributeGroup, .kind = Kind::GroupBox, .geometry = {8, 96, 360, 88}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .parent = AttributeGroup, .geometry = {16, 16, 48, 32},
             .caption = u"标题："_s},
            {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = AttributeGroup, .geometry = {49, 24, 247, 20}},
            {.unit = u"标签3"_s, .kind = Kind::Label, .parent = AttributeGroup, .geometry = {16, 48, 64, 32},
             .caption = u"目标："_s},
            {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = AttributeGroup, .geometry = {49, 56, 263, 20},
             .items = {u"_top"_s, u"_self"_s, u"_blank"_s, u"_parent"_s}},
            {.unit = u"超级按钮6"_s, .kind = Kind::PictureButton, .geometry = {247, 192, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, document::withSession(s, insertLink)}}},
            {.unit = u"超级按钮7"_s, .kind = Kind::PictureButton, .geometry = {308, 192, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
            {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false, .dialogMode = ui::OpenFileMode},
        },
        .bindings = {{Event::Created, startWithFirstTarget}},
    };
}

ElementForm readHyperlink(const Element &e)
{
    return {.definition = hyperlinkDialog,
            .fields = {textField(Dialog, u"编辑框1"_s, e.value(u"href")), textField(Dialog, u"编辑框2"_s, e.value(u"title")),
                       textField(Dialog, u"组合框1"_s, e.value(u"target"))},
            .owned = {{u"href"_s, {u"编辑框1"_s}}, {u"title"_s, {u"编辑框2"_s}}, {u"target"_s, {u"组合框1"_s}}}};
}

} // namespace markup
