// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_text_dialog.h"

#include "tag_dialog.h"
#include "text_field_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString AddTextDialogName = u"AddTextDialog"_s;

namespace {

const QString &Name = AddTextDialogName;

void add(ui::UiRuntime &rt)
{
    // The field keeps its text, so the same line can be added again or edited first.
    const ui::ControlRef lines{TextFieldDialogName, u"列表框1"_s};
    rt.setListIndex(lines, rt.addListItem(lines, fieldText(rt, Name, u"编辑框1"_s)));
}

} // namespace

ui::WindowDefinition addTextDialogDefinition()
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"添加文本"_s,
        .width = 380,
        .height = 155,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {1, -1, 368, 89}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {7, 33, 72, 35},
                 .caption = u"加入的文本："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {88, 40, 256, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {230, 96, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, add}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {296, 96, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openAddTextDialog(ui::UiRuntime &rt) { rt.openWindow(addTextDialogDefinition(), false); }

} // namespace markup
