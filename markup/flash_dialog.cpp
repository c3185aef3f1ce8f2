// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash_dialog.h"

#include "tag_dialog.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const QString Dialog = u"FlashDialog"_s;
const ui::ControlRef MoviePath{Dialog, u"编辑框1"_s};

// The player's vendor no longer serves these pages, so the block points at reserved example hosts.
const QString DownloadHost = u"download.example.com"_s;
const QString WebHost = u"www.example.com"_s;

QString flashlet()
{
    const QString link = u"'http://"_s + WebHost + u"/'"_s;
    return u"flashlet={imageLinkTarget:'_blank',captionFont:'Verdana',titleFont:'Verdana',showControls:true,"
           "frameShow:false,slideDelay:5,captionSize:10,captionColor:#333333,titleSize:10,transitionsType:'Random',"
           "titleColor:#333333,slideAutoPlay:false,imageURLs:['img1.jpg','img2.jpg','img3.jpg'],slideLoop:false,"
           "frameThickness:2,imageLinks:["_s +
           link + u","_s + link + u","_s + link + u"],frameColor:#333333,bgColor:#FFFFFF,imageCaptions:[]}"_s;
}

void insertFlashBlock(ui::UiRuntime &rt, document::Session &s)
{
    auto path = [&rt] { return rt.getFieldText(MoviePath); };
    insertAndClose(
        rt, s, Dialog,
        {
            u"<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"http://"_s + DownloadHost +
                u"/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0\" width=\"400\" height=\"325\">\r\n"_s,
            u"<param name=\"flash_component\" value=\"ImageViewer.swc\">\r\n"_s,
            u"<param name=\"movie\" value=\"file:///"_s + path() + u"\">\r\n"_s,
            u"<param name=\"quality\" value=\"high\">\r\n"_s,
            u"<param name=\"FlashVars\" value=\""_s + flashlet() + u"\">\r\n"_s,
            u"<embed src=\"file:///"_s + path() + u"\" quality=\"high\" flashvars=\""_s + flashlet() +
                u"\" pluginspage=\"http://"_s + WebHost +
                u"/shockwave/download/index.cgi?P1_Prod_Version=ShockwaveFlash\" type=\"application/x-shockwave-flash\""
                " width=\"400\" height=\"325\"></embed>\r\n"_s,
            u"</object>"_s,
        });
}

} // namespace

ui::WindowDefinition flashDialog(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = Dialog,
        .caption = u"flash元素"_s,
        .width = 382,
        .height = 118,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {24, 16, 48, 32}, .caption = u"flash:"_s},
            {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .geometry = {80, 23, 216, 20}},
            {.unit = u"超级按钮1"_s, .kind = Kind::PictureButton, .geometry = {312, 16, 32, 32}, .caption = u"..."_s,
             .accessibleName = u"浏览"_s,
             .bindings = {{Event::Clicked, browses({Dialog, u"通用对话框1"_s}, MoviePath)}}},
            {.unit = u"超级按钮2"_s, .kind = Kind::PictureButton, .geometry = {240, 56, 56, 32}, .caption = u"确定"_s,
             .bindings = {{Event::Clicked, document::withSession(s, insertFlashBlock)}}},
            {.unit = u"超级按钮3"_s, .kind = Kind::PictureButton, .geometry = {312, 56, 48, 32}, .caption = u"取消"_s,
             .bindings = {{Event::Clicked, closes(Dialog)}}},
            // "*swf" has no dot, so it lists every name ending in swf.
            {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false, .dialogMode = ui::OpenFileMode,
             .filter = u"flash文件|*swf|所有文件|*.*"_s},
        },
    };
}

} // namespace markup
