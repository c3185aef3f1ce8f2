// SPDX-License-Identifier: GPL-3.0-or-later
#include "introduction_window.h"

using namespace Qt::Literals::StringLiterals;

namespace prefs {

namespace {

void nothing(ui::UiRuntime &) {}

} // namespace

ui::WindowDefinition introductionWindow()
{
    using ui::Event;
    using ui::Kind;
    // Every line ends in CR LF; the last one keeps a blank before it.
    const QString text = u"还在为不会网页编写而发愁吗？\r\n"
                         u"我们将会帮助你，傻瓜版的编写一个网页代码\r\n"
                         u"只要你选择你要插入的项目，那么你就只用填写弹出来的设置框就可以了，软件会自动在面板生成代码，"
                         u"傻瓜版，人人都会，一步上手！\r\n"
                         u"无需繁琐的代码，这些交给软件来完成，你只用插入，设置，然后生成代码就可以了！做好以后就可以直接做成一个网页！\r\n"
                         u"不懂可以联系客服 \r\n"_s;
    return {
        .name = IntroductionWindowName,
        .caption = u"简介"_s,
        .width = 380,
        .height = 250,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .geometry = {0, 0, 376, 224}, .caption = text,
             .font = ui::Font{u"新宋体"_s, 20, true, false}, .multiLine = true,
             .bindings = {{Event::ContentChanged, nothing}}},
        },
    };
}

void openIntroductionWindow(ui::UiRuntime &rt) { rt.openWindow(introductionWindow(), true); }

} // namespace prefs
