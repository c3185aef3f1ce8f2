// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace prefs {

namespace {

void closeDialog(ui::UiRuntime &rt) { rt.closeWindow(AboutDialogName); }

} // namespace

ui::WindowDefinition aboutDialog()
{
    using ui::Event;
    using ui::Kind;
    // The labels are just large enough for their texts in a small face; the default dialog face
    // would cut the last lines off.
    const ui::Font text{u"Noto Sans CJK SC"_s, 11};
    return {
        .name = AboutDialogName,
        .caption = u"关于..."_s,
        .width = 380,
        .height = 272,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {24, 8, 232, 32}, .caption = u"软件名称： QuillmereV1.0"_s,
             .font = text},
            {.unit = u"标签2"_s, .kind = Kind::Label, .geometry = {24, 40, 248, 32}, .caption = u"软件版本：1.0"_s, .font = text},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {288, 24, 72, 32}, .caption = u"确定"_s,
             .bindings = {{Event::Clicked, closeDialog}}},
            {.unit = u"分组框1"_s, .kind = Kind::GroupBox, .geometry = {16, 112, 344, 120}, .caption = u"功能介绍："_s},
            {.unit = u"标签4"_s, .kind = Kind::Label, .parent = u"分组框1"_s, .geometry = {15, 14, 320, 66},
             .caption = u"Quillmere可以建立普通网页和ASP网页。内容设有html标签，asp等标签，还有css编辑，vb,java等常用插件"
                        u"的直接调用和自己设计，而且还可以把自己找到的网页特效收集在本软件，方便调用，让你在网页编辑时得心应手。"_s,
             .font = text, .multiLine = true},
            {.unit = u"标签5"_s, .kind = Kind::Label, .parent = u"分组框1"_s, .geometry = {16, 78, 312, 40},
             .caption = u"当然，软件也还存在许多不足，这里期待着你的提出和建议，以便本软件能更好的帮助你工作，最后感谢你使用本软件！"_s,
             .font = text, .multiLine = true},
        },
    };
}

void openAboutDialog(ui::UiRuntime &rt) { rt.openWindow(aboutDialog(), true); }

} // namespace prefs
