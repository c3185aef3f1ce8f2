// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_option_dialog.h"

#include "drop_down_dialog.h"
#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString AddOptionDialogName = u"AddOptionDialog"_s;

namespace {

const QString &Name = AddOptionDialogName;

void add(ui::UiRuntime &rt)
{
    // Empty fields are appended as empty entries, which keeps the two lists aligned.
    const ui::ControlRef options{DropDownDialogName, u"列表框1"_s}, values{DropDownDialogName, u"列表框2"_s};
    const ui::ControlRef option{Name, u"编辑框1"_s}, value{Name, u"编辑框2"_s};
    const int a = rt.addListItem(options, rt.getFieldText(option));
    const int b = rt.addListItem(values, rt.getFieldText(value));
    rt.setListIndex(values, b);
    rt.setListIndex(options, a);
    // Emptied for the next pair.
    rt.setFieldText(value, {});
    rt.setFieldText(option, {});
}

} // namespace

ui::WindowDefinition addOptionDialogDefinition()
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"添加"_s,
        .width = 309,
        .height = 197,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {1, -1, 300, 128}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {23, 17, 40, 32},
                 .caption = u"选项："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {66, 22, 216, 20}},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {12, 65, 43, 24},
                 .caption = u"指定值："_s},
                {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = group, .geometry = {65, 68, 216, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {180, 136, 50, 25},
                 .caption = u"添加"_s, .bindings = {{ui::Event::Clicked, add}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {238, 136, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openAddOptionDialog(ui::UiRuntime &rt) { rt.openWindow(addOptionDialogDefinition(), false); }

} // namespace markup
