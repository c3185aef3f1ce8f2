// SPDX-License-Identifier: GPL-3.0-or-later
#include "email_link_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"EmailLinkDialog"_s;
const QString Group = u"分组框1"_s;

void insertMailLink(ui::UiRuntime &rt)
{
    // The address (beside "E-mail：") follows mailto:, the text (beside "文本：") is the subject.
    insertAndClose(rt, Dialog,
                   {u"<a href=\"mailto:"_s + fieldText(rt, Dialog, u"编辑框2"_s) + u"?subject="_s +
                    fieldText(rt, Dialog, u"编辑框1"_s) + u"\"></a>"_s});
}

} // namespace

ui::WindowDefinition emailLinkDialog()
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"E-mail连接"_s,
        .width = 380,
        .height = 161,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = Group, .kind = Kind::GroupBox, .geometry = {8, 8, 352, 80}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = Group, .geometry = {21, 16, 40, 24},
             .caption = u"文本："_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {66, 16, 272, 20}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .parent = Group, .geometry = {8, 48, 48, 16},
             .caption = u"E-mail："_s},
            {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = Group, .geometry = {66, 46, 272, 20}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {242, 102, 50, 25},
             .caption = u"确定"_s, .bindings = {{Event::Clicked, insertMailLink}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {310, 102, 50, 25},
             .caption = u"取消"_s, .bindings = {{Event::Clicked, closes(Dialog)}}},
        },
    };
}

ElementForm readEmailLink(const Element &e)
{
    const core::Text href = e.value(u"href");
    const qsizetype query = href.indexOf(u'?');
    const core::Text address = href.mid(7, query < 0 ? -1 : query - 7); // after "mailto:"
    const core::Text subject = query < 0 ? core::Text() : href.mid(query + 9); // after "?subject="
    return {.definition = emailLinkDialog,
            .fields = {textField(Dialog, u"编辑框2"_s, address), textField(Dialog, u"编辑框1"_s, subject)},
            .owned = {{u"href"_s, {u"编辑框1"_s, u"编辑框2"_s}}}};
}

} // namespace markup
