// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_dialog.h"

#include "tag_dialog.h"

#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString ScriptDialogName = u"ScriptDialog"_s;

namespace {

const QString &Name = ScriptDialogName;

/// The languages the combo offers and the opening line of each, in the combo's order.
const std::array<std::pair<QString, QString>, 4> &languages()
{
    static const std::array<std::pair<QString, QString>, 4> table{{
        {u"JavaScript"_s, u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n"_s},
        {u"JavaScript1.1"_s, u"<script language=\"JavaScript1.1\" type=\"text/JavaScript1.1\">\r\n"_s},
        {u"JavaScript1.2"_s, u"<script language=\"JavaScript1.2\" type=\"text/JavaScript1.2\">\r\n"_s},
        {u"VBScript"_s, u"<script language=\"VBScript\" type=\"text/VBScript\">\r\n"_s},
    }};
    return table;
}

void created(ui::UiRuntime &rt) { rt.selectComboItem({Name, u"组合框1"_s}, 0); }

void ok(ui::UiRuntime &rt)
{
    // Only a language of the table, exactly as listed, gives a block: a typed-over or empty
    // language inserts nothing, and the dialog closes either way.
    const core::Text language = fieldText(rt, Name, u"组合框1"_s);
    for (const auto &[name, opening] : languages())
        if (language == name) {
            // The body keeps its own line breaks; one more puts "</script>" on a line of its own.
            insertAndClose(rt, Name, {opening, fieldText(rt, Name, u"编辑框1"_s) + u"\r\n"_s, u"</script>"_s});
            return;
        }
    rt.closeWindow(Name);
}

} // namespace

ui::WindowDefinition scriptDialogDefinition()
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    QStringList names;
    for (const auto &[name, opening] : languages())
        names << name;
    return {
        .name = Name,
        .caption = u"脚本设置"_s,
        .width = 380,
        .height = 316,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {2, -3, 368, 248}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {14, 19, 40, 24},
                 .caption = u"语言："_s},
                {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = group, .geometry = {62, 22, 160, 25},
                 .items = names},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {14, 51, 40, 32},
                 .caption = u"内容："_s},
                {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = group, .geometry = {4, 77, 360, 166},
                 .multiLine = true},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {241, 256, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, ok}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {304, 256, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
        .bindings = {{ui::Event::Created, created}},
    };
}

void openScriptDialog(ui::UiRuntime &rt) { openTagDialog(rt, scriptDialogDefinition()); }

ElementForm readScript(const Element &e)
{
    core::Text language = e.value(u"language");
    if (!e.has(u"language")) {
        language = e.value(u"type");
        if (language.startsWith(u"text/"_s, Qt::CaseInsensitive))
            language.remove(0, 5);
        if (language.isEmpty())
            language = languages().front().first;
    }
    for (const auto &[name, opening] : languages())
        if (language.compare(name, Qt::CaseInsensitive) == 0)
            language = name;
    core::Text body = e.content();
    if (body.startsWith(u"\r\n"_s))
        body.remove(0, 2);
    if (body.endsWith(u"\r\n"_s))
        body.chop(2);
    return {.definition = scriptDialogDefinition,
            .fields = {textField(Name, u"组合框1"_s, language), textField(Name, u"编辑框1"_s, body)},
            .owned = {{u"language"_s, {u"组合框1"_s}}, {u"type"_s, {u"组合框1"_s}}, {QString(), {u"编辑框1"_s}}}};
}

} // namespace markup
