// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_field_dialog.h"

#include "add_text_dialog.h"
#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString TextFieldDialogName = u"TextFieldDialog"_s;

namespace {

const QString &Name = TextFieldDialogName;
const ui::ControlRef Lines{TextFieldDialogName, u"列表框1"_s};

void okOneLine(ui::UiRuntime &rt)
{
    const core::Text start = u"<input name=\""_s + fieldText(rt, Name, u"编辑框1"_s) + u"\" size=\"20\" value=\""_s +
                           fieldText(rt, Name, u"编辑框2"_s);
    // The radio buttons share one group, so at most one of them is chosen; with neither chosen
    // the dialog closes without inserting.
    if (rt.isChecked({Name, u"单选框1"_s}))
        document::insertPieces(rt, {start + u"\" type=\"password\">"_s});
    if (rt.isChecked({Name, u"单选框2"_s}))
        document::insertPieces(rt, {start + u"\">"_s});
    rt.closeWindow(Name);
}

void okMultiLine(ui::UiRuntime &rt)
{
    document::Pieces pieces{u"<textarea rows=\""_s + fieldText(rt, Name, u"编辑框5"_s) + u"\" name=\""_s +
                            fieldText(rt, Name, u"编辑框3"_s) + u"\" cols=\""_s + fieldText(rt, Name, u"编辑框4"_s) +
                            u"\">\r\n"_s};
    for (int i = 0, n = rt.getListCount(Lines); i < n; ++i)
        pieces.push_back(rt.getListItem(Lines, i) + u"\r\n"_s);
    pieces.push_back(u"</textarea>"_s);
    // The page stays open with its fields and lines, so the same textarea can be inserted again.
    document::insertPieces(rt, pieces);
}

void deleteLine(ui::UiRuntime &rt)
{
    if (!rt.deleteListItem(Lines, rt.getListIndex(Lines)))
        return;
    rt.setListIndex(Lines, -1); // no neighbour takes over the selection
}

QString pageCaption(const QString &caption) { return QString(9, u' ') + caption + QString(6, u' '); }

} // namespace

ui::WindowDefinition textFieldDialogDefinition()
{
    using ui::Kind;
    const QString tabs = u"新选择夹1"_s, oneLine = u"分组框1"_s, multiLine = u"分组框2"_s;
    return {
        .name = Name,
        .caption = u"文本框"_s,
        .width = 326,
        .height = 261,
        .controls =
            {
                {.unit = tabs, .kind = Kind::TabControl, .geometry = {-1, 0, 370, 313},
                 .items = {pageCaption(u"单行文本框"_s), pageCaption(u"多行文本框"_s)}, .current = 0,
                 .font = ui::Font{u"宋体"_s, 12}},
                // Page 0: a one-line input.
                {.unit = oneLine, .kind = Kind::GroupBox, .parent = tabs, .page = 0, .geometry = {1, 22, 320, 170}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = oneLine, .geometry = {19, 19, 40, 32},
                 .caption = u"名称："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = oneLine, .geometry = {65, 25, 216, 20},
                 .caption = u"text1"_s},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = oneLine, .geometry = {8, 67, 56, 32},
                 .caption = u"初始值："_s},
                {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .parent = oneLine, .geometry = {64, 75, 216, 20}},
                {.unit = u"标签3"_s, .kind = Kind::Label, .parent = oneLine, .geometry = {16, 115, 88, 24},
                 .caption = u"是否为密码域："_s},
                {.unit = u"单选框1"_s, .kind = Kind::RadioButton, .parent = oneLine, .geometry = {120, 115, 64, 24},
                 .caption = u"是"_s},
                {.unit = u"单选框2"_s, .kind = Kind::RadioButton, .parent = oneLine, .geometry = {200, 115, 56, 24},
                 .caption = u"否"_s},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .parent = tabs, .page = 0,
                 .geometry = {191, 200, 50, 25}, .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, okOneLine}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .parent = tabs, .page = 0,
                 .geometry = {259, 199, 50, 25}, .caption = u"取消"_s,
                 .bindings = {{ui::Event::Clicked, closes(Name)}}},
                // Page 1: a textarea with its initial lines.
                {.unit = multiLine, .kind = Kind::GroupBox, .parent = tabs, .page = 1, .geometry = {1, 21, 320, 179}},
                {.unit = u"标签4"_s, .kind = Kind::Label, .parent = multiLine, .geometry = {25, 21, 32, 24},
                 .caption = u"名称："_s},
                {.unit = u"编辑框3"_s, .kind = Kind::EditBox, .parent = multiLine, .geometry = {65, 23, 232, 20},
                 .caption = u"S1"_s},
                {.unit = u"标签5"_s, .kind = Kind::Label, .parent = multiLine, .geometry = {13, 48, 48, 16},
                 .caption = u"初始值："_s},
                {.unit = u"列表框1"_s, .kind = Kind::ListBox, .parent = multiLine, .geometry = {24, 67, 232, 72}},
                {.unit = u"超级按钮5"_s, .kind = Kind::PictureButton, .parent = multiLine,
                 .geometry = {264, 72, 50, 25}, .caption = u"添加"_s,
                 .bindings = {{ui::Event::Clicked, openAddTextDialog}}},
                {.unit = u"超级按钮6"_s, .kind = Kind::PictureButton, .parent = multiLine,
                 .geometry = {264, 108, 50, 25}, .caption = u"删除"_s, .bindings = {{ui::Event::Clicked, deleteLine}}},
                {.unit = u"标签6"_s, .kind = Kind::Label, .parent = multiLine, .geometry = {8, 147, 40, 24},
                 .caption = u"宽度："_s},
                {.unit = u"编辑框4"_s, .kind = Kind::EditBox, .parent = multiLine, .geometry = {50, 147, 102, 20},
                 .caption = u"40"_s},
                {.unit = u"标签7"_s, .kind = Kind::Label, .parent = multiLine, .geometry = {168, 150, 40, 21},
                 .caption = u"高度："_s},
                {.unit = u"编辑框5"_s, .kind = Kind::EditBox, .parent = multiLine, .geometry = {208, 147, 104, 20},
                 .caption = u"10"_s},
                {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .parent = tabs, .page = 1,
                 .geometry = {196, 207, 50, 25}, .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, okMultiLine}}},
                {.unit = u"超级按钮4"_s, .kind = Kind::PictureButton, .parent = tabs, .page = 1,
                 .geometry = {260, 208, 50, 25}, .caption = u"取消"_s,
                 .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
    };
}

void openTextFieldDialog(ui::UiRuntime &rt) { openTagDialog(rt, textFieldDialogDefinition()); }

ElementForm readTextField(const Element &e)
{
    const bool password = e.value(u"type").compare(u"password"_s, Qt::CaseInsensitive) == 0;
    return {.definition = textFieldDialogDefinition,
            .fields = {textField(Name, u"编辑框1"_s, e.value(u"name")), textField(Name, u"编辑框2"_s, e.value(u"value")),
                       checkField(Name, u"单选框1"_s, password), checkField(Name, u"单选框2"_s, !password)},
            .owned = {{u"name"_s, {u"编辑框1"_s}},
                      {u"size"_s, {}},
                      {u"value"_s, {u"编辑框2"_s}},
                      {u"type"_s, {u"单选框1"_s, u"单选框2"_s}}},
            .tabs = {Name, u"新选择夹1"_s},
            .page = 0};
}

ElementForm readTextArea(const Element &e)
{
    core::Text text = e.content();
    if (text.startsWith(u"\r\n"_s))
        text.remove(0, 2);
    else if (text.startsWith(u'\n'))
        text.remove(0, 1);
    QStringList lines = text.split(u"\r\n"_s);
    if (lines.last().isEmpty())
        lines.removeLast(); // the line break before the end tag ends the last line
    return {.definition = textFieldDialogDefinition,
            .fields = {textField(Name, u"编辑框3"_s, e.value(u"name")), textField(Name, u"编辑框4"_s, e.value(u"cols")),
                       textField(Name, u"编辑框5"_s, e.value(u"rows")), listField(Name, Lines.unit, lines)},
            .owned = {{u"rows"_s, {u"编辑框5"_s}},
                      {u"name"_s, {u"编辑框3"_s}},
                      {u"cols"_s, {u"编辑框4"_s}},
                      {QString(), {Lines.unit}}},
            .tabs = {Name, u"新选择夹1"_s},
            .page = 1};
}

} // namespace markup
