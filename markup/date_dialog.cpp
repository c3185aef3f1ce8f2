// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

const QString DateDialogName = u"DateDialog"_s;

namespace {

const QString &Name = DateDialogName;

void created(ui::UiRuntime &rt) { rt.selectComboItem({Name, u"组合框1"_s}, 0); }

void ok(ui::UiRuntime &rt)
{
    // Without a chosen date the weekday is followed by the blank alone.
    const ui::ControlRef dates{Name, u"列表框1"_s};
    const core::Text date = rt.getListItem(dates, rt.getListIndex(dates));
    insertAndClose(rt, Name, {fieldText(rt, Name, u"组合框1"_s) + u" "_s + date});
}

} // namespace

ui::WindowDefinition dateDialogDefinition()
{
    using ui::Kind;
    const QString group = u"分组框1"_s;
    return {
        .name = Name,
        .caption = u"日期"_s,
        .width = 297,
        .height = 244,
        .controls =
            {
                {.unit = group, .kind = Kind::GroupBox, .geometry = {2, -2, 286, 178}},
                {.unit = u"标签1"_s, .kind = Kind::Label, .parent = group, .geometry = {14, 26, 64, 23},
                 .caption = u"星期格式："_s},
                {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .parent = group, .geometry = {80, 26, 182, 20},
                 .items = {u"星期二"_s, u"星期二,"_s, u"sunday"_s, u"sunday,"_s, QString(), QString()}},
                {.unit = u"标签2"_s, .kind = Kind::Label, .parent = group, .geometry = {14, 58, 64, 24},
                 .caption = u"日期格式："_s},
                // 31 May 2005 in nine formats.
                {.unit = u"列表框1"_s, .kind = Kind::ListBox, .parent = group, .geometry = {78, 58, 184, 112},
                 .items = {u"2005-05-31"_s, u"05/31/05"_s, u"5/31/05"_s, u"05.31.05"_s, u"05.31.2005"_s,
                           u"05-31-2005"_s, u"2005/05/31"_s, u"2005年05月31日"_s, u"31/05/05"_s}},
                {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {158, 184, 50, 25},
                 .caption = u"确定"_s, .bindings = {{ui::Event::Clicked, ok}}},
                {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {224, 184, 50, 25},
                 .caption = u"取消"_s, .bindings = {{ui::Event::Clicked, closes(Name)}}},
            },
        .bindings = {{ui::Event::Created, created}},
    };
}

void openDateDialog(ui::UiRuntime &rt) { openTagDialog(rt, dateDialogDefinition()); }

} // namespace markup
