// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "about_dialog.h"
#include "background_dialog.h"
#include "font_settings.h"
#include "introduction_window.h"

using namespace Qt::Literals::StringLiterals;

namespace prefs {

void showSupportContact(ui::UiRuntime &rt) { rt.showMessage(SupportContactText, ui::MbOk); }

std::vector<ui::UnitBinding> mainWindowBindings(document::Session &s)
{
    using ui::Event;
    return {
        {u"选项/字体设置"_s, Event::Clicked, document::withSession(s, fontSettings)},
        {u"选项/背景设置"_s, Event::Clicked, document::withSession(s, openBackgroundColourDialog)},
        {u"帮助/即时帮助"_s, Event::Clicked, showSupportContact},
        {u"帮助/关于"_s, Event::Clicked, openAboutDialog},
        {u"按钮1"_s, Event::Clicked, showSupportContact},
        {u"按钮2"_s, Event::Clicked, openIntroductionWindow},
    };
}

} // namespace prefs
