// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString ButtonDialogName = u"ButtonDialog"_s;

namespace {

const QString &Name = ButtonDialogName;

void created(ui::UiRuntime &rt) { rt.selectComboItem({Name, u"组合框1"_s}, 0); }

void ok(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Name,
                   {u"<input type=\""_s + fieldText(rt, Name, u"组合框1"_s) + u"\" name=\""_s +
                    fieldText(rt, Name, u"编辑框1"_s) + u"\" value=\""_s + fieldText(rt, Name, u"编辑框2"_s) +
                    u"\">"_s});
}

} // namespace

ui::WindowDefinition buttonDialogDefinition(document::Session &s)
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"按钮"_s,
        .width = 380,
        .height = 188,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {1, 0, 370, 120}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {30, 16, 64, 24},
                 .caption = u"类型："_s},
                // The fourth, empty item gives an input without a type.
                {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = group, .geometry = {79, 16, 248, 20},
                 .items = {u"button"_s, u"submit"_s, u"reset"_s, QString()}},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {26, 50, 39, 24},
                 .caption = u"名称："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {79, 48, 248, 20}},
                {.unit = u"标签3"_s, .kind = Kind::Label, .parent = group, .geometry = {15, 82, 56, 24},
                 .caption = u"初始值："_s},
                {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = group, .geometry = {78, 83, 248, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {224, 128, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, document::withSession(s, ok)}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {296, 128, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
        .bindings = {{ui::Event::Created, created}},
    };
}

void openButtonDialog(ui::UiRuntime &rt, document::Session &s) { openTagDialog(rt, buttonDialogDefinition(s)); }

ElementForm readButton(const Element &e)
{
    return {.definition = buttonDialogDefinition,
            .fields = {textField(Name, u"组合框1"_s, e.value(u"type")), textField(Name, u"编辑框1"_s, e.value(u"name")),
                       textField(Name, u"编辑框2"_s, e.value(u"value"))},
            .owned = {{u"type"_s, {u"组合框1"_s}}, {u"name"_s, {u"编辑框1"_s}}, {u"value"_s, {u"编辑框2"_s}}}};
}

} // namespace markup
