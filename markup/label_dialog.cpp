// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString LabelDialogName = u"LabelDialog"_s;

namespace {

const QString &Name = LabelDialogName;

void ok(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Name, {u"<label>"_s + fieldText(rt, Name, u"编辑框1"_s) + u"</label>"_s});
}

} // namespace

ui::WindowDefinition labelDialogDefinition(document::Session &s)
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"标签"_s,
        .width = 344,
        .height = 134,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {2, 0, 334, 72}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {22, 24, 40, 32},
                 .caption = u"标签："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {63, 30, 248, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {214, 79, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, document::withSession(s, ok)}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {273, 77, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openLabelDialog(ui::UiRuntime &rt, document::Session &s) { openTagDialog(rt, labelDialogDefinition(s)); }

ElementForm readLabel(const Element &e)
{
    return {.definition = labelDialogDefinition,
            .fields = {textField(Name, u"编辑框1"_s, e.content())},
            .owned = {{QString(), {u"编辑框1"_s}}}};
}

} // namespace markup
