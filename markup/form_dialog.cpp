// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString FormDialogName = u"FormDialog"_s;

namespace {

const QString &Name = FormDialogName;

void browse(ui::UiRuntime &rt) { browseInto(rt, {Name, u"通用对话框1"_s}, {Name, u"编辑框1"_s}); }

void ok(ui::UiRuntime &rt, document::Session &s)
{
    // The empty line between the tags is left for the form's content.
    insertAndClose(rt, s, Name,
                   {u"<Form method=\""_s + fieldText(rt, Name, u"组合框1"_s) + u"\" action=\""_s +
                        fieldText(rt, Name, u"编辑框1"_s) + u"\">\r\n\r\n"_s,
                    u"</Form>"_s});
}

} // namespace

ui::WindowDefinition formDialogDefinition(document::Session &s)
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"表域"_s,
        .width = 380,
        .height = 171,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {2, 0, 368, 104}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {16, 16, 78, 32},
                 .caption = u"发送到方法："_s},
                // No item is selected at start: the method starts empty.
                {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = group, .geometry = {96, 20, 240, 20},
                 .items = {u"POST"_s, u"GET"_s}},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {15, 53, 80, 16},
                 .caption = u"发  送  到："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {94, 52, 192, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = group, .geometry = {302, 50, 35, 25},
                 .caption = u"..."_s, .bindings = {{ui::Event::Clicked, browse}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {237, 112, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, document::withSession(s, ok)}}},
                {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .geometry = {304, 112, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
                {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .dialogMode = ui::OpenFileMode},
            },
    };
}

void openFormDialog(ui::UiRuntime &rt, document::Session &s) { openTagDialog(rt, formDialogDefinition(s)); }

ElementForm readForm(const Element &e)
{
    return {.definition = formDialogDefinition,
            .fields = {textField(Name, u"组合框1"_s, e.value(u"method")), textField(Name, u"编辑框1"_s, e.value(u"action"))},
            .owned = {{u"method"_s, {u"组合框1"_s}}, {u"action"_s, {u"编辑框1"_s}}}};
}

} // namespace markup
