// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString CaptionDialogName = u"CaptionDialog"_s;

namespace {

const QString &Name = CaptionDialogName;

void ok(ui::UiRuntime &rt, document::Session &s)
{
    insertAndClose(rt, s, Name, {u"<caption>\""_s + fieldText(rt, Name, u"编辑框1"_s) + u"\"</caption>"_s});
}

} // namespace

ui::WindowDefinition captionDialogDefinition(document::Session &s)
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"标题"_s,
        .width = 380,
        .height = 141,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {3, -2, 366, 82}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {13, 26, 40, 24},
                 .caption = u"标题："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {59, 27, 272, 20}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {246, 86, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, document::withSession(s, ok)}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {305, 86, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openCaptionDialog(ui::UiRuntime &rt, document::Session &s) { openTagDialog(rt, captionDialogDefinition(s)); }

ElementForm readCaption(const Element &e)
{
    return {.definition = captionDialogDefinition,
            .fields = {textField(Name, u"编辑框1"_s, unquoted(e.content()))},
            .owned = {{QString(), {u"编辑框1"_s}}}};
}

} // namespace markup
