// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_media_commands.h"

#include "anchor_dialog.h"
#include "background_sound_dialog.h"
#include "email_link_dialog.h"
#include "flash_dialog.h"
#include "hyperlink_dialog.h"
#include "image_dialog.h"
#include "media_dialog.h"
#include "style_sheet_dialog.h"
#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

std::vector<ui::UnitBinding> linkAndMediaDialogCommands(document::Session &s)
{
    const auto clicked = ui::Event::Clicked;
    return {
        {u"插入/超级链接..."_s, clicked, opensTagDialog(s, hyperlinkDialog)},
        {u"超级按钮18"_s, clicked, opensTagDialog(s, hyperlinkDialog)},
        {u"超级按钮19"_s, clicked, opensTagDialog(s, emailLinkDialog)},
        {u"超级按钮20"_s, clicked, opensTagDialog(s, anchorDialog)},
        {u"插入/图片..."_s, clicked, opensTagDialog(s, imageDialog)},
        {u"超级按钮22"_s, clicked, opensTagDialog(s, imageDialog)},
        {u"插入/多媒体/flash"_s, clicked, opensTagDialog(s, flashDialog)},
        {u"超级按钮24"_s, clicked, opensTagDialog(s, flashDialog)},
        {u"超级按钮36"_s, clicked, opensTagDialog(s, flashDialog)},
        {u"插入/多媒体/wmp"_s, clicked, opensTagDialog(s, mediaDialog)},
        {u"超级按钮37"_s, clicked, opensTagDialog(s, mediaDialog)},
        {u"插入/多媒体/背景音乐"_s, clicked, opensTagDialog(s, backgroundSoundDialog)},
        {u"超级按钮38"_s, clicked, opensTagDialog(s, backgroundSoundDialog)},
        {u"插入/加入以有的css"_s, clicked, opensTagDialog(s, styleSheetDialog)},
    };
}

} // namespace markup
