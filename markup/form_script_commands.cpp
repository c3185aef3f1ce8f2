// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_script_commands.h"

#include "button_dialog.h"
#include "caption_dialog.h"
#include "date_dialog.h"
#include "drop_down_dialog.h"
#include "form_dialog.h"
#include "label_dialog.h"
#include "script_dialog.h"
#include "text_field_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

std::vector<ui::UnitBinding> formAndScriptDialogCommands(document::Session &s)
{
    constexpr ui::Event Clicked = ui::Event::Clicked;
    const auto opens = [&s](void (*open)(ui::UiRuntime &, document::Session &)) {
        return document::withSession(s, open);
    };
    return {
        {u"插入/表单/表单"_s, Clicked, opens(openFormDialog)},
        {u"超级按钮29"_s, Clicked, opens(openFormDialog)},
        {u"插入/表单/文本框"_s, Clicked, opens(openTextFieldDialog)},
        {u"超级按钮31"_s, Clicked, opens(openTextFieldDialog)},
        {u"插入/表单/按键"_s, Clicked, opens(openButtonDialog)},
        {u"超级按钮30"_s, Clicked, opens(openButtonDialog)},
        {u"插入/表单/分组框"_s, Clicked, opens(openLabelDialog)},
        {u"超级按钮35"_s, Clicked, opens(openLabelDialog)},
        {u"插入/表单/下拉式列表"_s, Clicked, opens(openDropDownDialog)},
        {u"超级按钮34"_s, Clicked, opens(openDropDownDialog)},
        // The language menu items do not preselect a language: all open the same dialog.
        {u"插入/脚本对象/插入脚本"_s, Clicked, opens(openScriptDialog)},
        {u"插入/脚本对象/插入JavaScript"_s, Clicked, opens(openScriptDialog)},
        {u"插入/脚本对象/插入VBScript"_s, Clicked, opens(openScriptDialog)},
        {u"超级按钮25"_s, Clicked, opens(openScriptDialog)},
        {u"插入/日期标签"_s, Clicked, opens(openDateDialog)},
        {u"超级按钮27"_s, Clicked, opens(openDateDialog)},
        {u"插入/表格/标题"_s, Clicked, opens(openCaptionDialog)},
    };
}

} // namespace markup
