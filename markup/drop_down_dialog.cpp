// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down_dialog.h"

#include "add_option_dialog.h"
#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString DropDownDialogName = u"DropDownDialog"_s;

namespace {

const QString &Name = DropDownDialogName;
const ui::ControlRef Options{DropDownDialogName, u"列表框1"_s};
const ui::ControlRef Values{DropDownDialogName, u"列表框2"_s};

void deleteSelected(ui::UiRuntime &rt)
{
    // Each list loses its own selected entry; nothing keeps the pairs together, so selections at
    // different rows leave the later entries paired differently.
    for (const ui::ControlRef &list : {Options, Values})
        if (rt.deleteListItem(list, rt.getListIndex(list)))
            rt.setListIndex(list, -1); // no neighbour takes over the selection
}

void ok(ui::UiRuntime &rt)
{
    const core::Text name = fieldText(rt, Name, u"编辑框1"_s);
    document::Pieces pieces{rt.isChecked({Name, u"选择框1"_s})
                                ? u"<select size=\"8\" name=\""_s + name + u"\" multiple>\r\n"_s
                                : u"<select size=\"1\" name=\""_s + name + u"\">\r\n"_s};
    // The option list gives the value attribute and the value list the quoted display text; a
    // value list that is shorter gives empty texts, entries beyond the option list are not used.
    for (int i = 0, n = rt.getListCount(Options); i < n; ++i)
        pieces.push_back(u"<option value=\""_s + rt.getListItem(Options, i) + u"\">\""_s + rt.getListItem(Values, i) +
                         u"\"</option>\r\n"_s);
    pieces.push_back(u"</select>"_s);
    insertAndClose(rt, Name, pieces);
}

} // namespace

ui::WindowDefinition dropDownDialogDefinition()
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"下拉框"_s,
        .width = 380,
        .height = 326,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {1, -2, 368, 266}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {23, 18, 48, 24},
                 .caption = u"名称："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {66, 21, 229, 20},
                 .caption = u"Combo1"_s},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {11, 50, 76, 16},
                 .caption = u"下拉框选项："_s},
                {.unit = Options.unit, .kind = Kind::ListBox, .parent = group, .geometry = {7, 74, 136, 184}},
                {.unit = u"标签3"_s, .kind = Kind::Label, .parent = group, .geometry = {151, 50, 56, 16},
                 .caption = u"指定值："_s},
                {.unit = Values.unit, .kind = Kind::ListBox, .parent = group, .geometry = {151, 74, 144, 184}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = group, .geometry = {307, 82, 50, 25},
                 .caption = u"添加"_s, .bindings = {{ui::Event::Clicked, openAddOptionDialog}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .parent = group, .geometry = {308, 129, 50, 25},
                 .caption = u"删除"_s, .bindings = {{ui::Event::Clicked, deleteSelected}}},
                {.unit = u"选择框1"_s, .kind = Kind::CheckBox, .geometry = {8, 268, 80, 24},
                 .caption = u"是否多选项"_s},
                {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .geometry = {215, 269, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, ok}}},
                {.unit = u"超级按钮4"_s, .kind = Kind::PictureButton, .geometry = {291, 272, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openDropDownDialog(ui::UiRuntime &rt) { openTagDialog(rt, dropDownDialogDefinition()); }

ElementForm readDropDown(const Element &e)
{
    QStringList values, texts;
    const QStringView content = e.text.mid(e.tag.to, e.end ? e.end->first - e.tag.to : 0);
    for (qsizetype i = content.indexOf(u'<'); i >= 0; i = content.indexOf(u'<', i + 1)) {
        const std::optional<Tag> tag = scanTag(content, i);
        if (!tag || tag->kind != Tag::StartTag || !tag->named(content, u"option"))
            continue;
        const TagAttribute *value = tag->attribute(content, u"value");
        values << (value ? attributeValue(content, *value).toString() : QString());
        // The text runs up to the next tag: its end tag, the next option or the select's end.
        const qsizetype next = content.indexOf(u'<', tag->to);
        texts << unquoted(content.mid(tag->to, (next < 0 ? content.size() : next) - tag->to).trimmed().toString());
        i = tag->to - 1;
    }
    return {.definition = dropDownDialogDefinition,
            .fields = {textField(Name, u"编辑框1"_s, e.value(u"name")), checkField(Name, u"选择框1"_s, e.has(u"multiple")),
                       listField(Name, Options.unit, values), listField(Name, Values.unit, texts)},
            .owned = {{u"size"_s, {u"选择框1"_s}},
                      {u"name"_s, {u"编辑框1"_s}},
                      {u"multiple"_s, {u"选择框1"_s}},
                      {QString(), {Options.unit, Values.unit}}}};
}

} // namespace markup
