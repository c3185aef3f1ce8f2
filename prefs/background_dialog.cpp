// SPDX-License-Identifier: GPL-3.0-or-later
#include "background_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace prefs {

namespace {

const ui::ControlRef Picker{BackgroundDialogName, u"颜色选择器1"_s};

// "确定" applies the picked colour and leaves the dialog open for another try.
void applyBackgroundColour(ui::UiRuntime &rt, document::Session &s)
{
    rt.setEditorBackground(s.editor(), rt.getPickedColour(Picker));
}

// Closing keeps whatever colour was applied last.
void closeDialog(ui::UiRuntime &rt) { rt.closeWindow(BackgroundDialogName); }

void nothing(ui::UiRuntime &) {}

} // namespace

ui::WindowDefinition backgroundColourDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = BackgroundDialogName,
        .caption = u"背景设置"_s,
        .width = 321,
        .height = 191,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"分组框1"_s, .kind = Kind::GroupBox, .geometry = {3, -2, 309, 130}},
            {.unit = u"标签1"_s, .kind = Kind::Label, .parent = u"分组框1"_s, .geometry = {21, 42, 96, 56},
             .caption = u"编辑区背景设置："_s},
            {.unit = u"颜色选择器1"_s, .kind = Kind::ColourPicker, .parent = u"分组框1"_s, .geometry = {125, 54, 128, 32},
             .bindings = {{Event::ColourChosen, nothing}}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {190, 133, 50, 25}, .caption = u"确定"_s,
             .bindings = {{Event::Clicked, document::withSession(s, applyBackgroundColour)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {256, 135, 50, 25}, .caption = u"取消"_s,
             .bindings = {{Event::Clicked, closeDialog}}},
        },
    };
}

void openBackgroundColourDialog(ui::UiRuntime &rt, document::Session &s)
{
    rt.openWindow(backgroundColourDialog(s), true);
}

} // namespace prefs
