// SPDX-License-Identifier: GPL-3.0-or-later
// The MainWindow: its table of controls and menus, its bindings, and the start-up handler.
#include "main_window.h"

#include "shortcuts.h"

#include "document/commands.h"
#include "document/lifecycle.h"
#include "document/encoding_status.h"
#include "document/recovery_dialog.h"
#include "document/status_note.h"
#include "document/templates.h"
#include "markup/commands.h"
#include "markup/element_edit.h"
#include "markup/typing_help.h"
#include "prefs/commands.h"
#include "reference/commands.h"
#include "reference/highlight_words.h"
#include "reference/keywords.h"
#include "skins/catalogue.h"
#include "skins/skins.h"

using namespace Qt::Literals::StringLiterals;

namespace app {
namespace {

using ui::ControlDef;
using ui::Font;
using ui::Kind;

const QString Toolbar = u"新选择夹1"_s;
const QString Pane = u"新选择夹2"_s;

enum ToolbarPage { Common = 0, TextPage = 1, FormPage = 2, SpecialPage = 3, MediaPage = 4 };

ControlDef pictureButton(int number, int page, int left, QString face, QString tooltip, QString picture = {},
                         std::optional<Font> font = {}, QString accessibleName = {})
{
    return {.unit = u"超级按钮%1"_s.arg(number),
            .kind = Kind::PictureButton,
            .parent = Toolbar,
            .page = page,
            .geometry = {left, 27, 32, 32},
            .caption = std::move(face),
            .tooltip = std::move(tooltip),
            .font = std::move(font),
            .picture = std::move(picture),
            .accessibleName = std::move(accessibleName)};
}

QString picture(int number) { return u":/toolbar/button%1.svg"_s.arg(number); }

Font kai(int px, bool italic = false) { return {u"楷体_GB2312"_s, px, true, italic}; }
Font song(int px) { return {u"宋体"_s, px, true, false}; }

std::vector<ControlDef> toolbarButtons()
{
    return {
        // 常用
        pictureButton(18, Common, 9, {}, u"超连接"_s, picture(18)),
        pictureButton(19, Common, 41, {}, u"E-mail"_s, picture(19)),
        pictureButton(20, Common, 73, {}, u"命名标记"_s, picture(20)),
        pictureButton(21, Common, 105, {}, u"表格"_s, picture(21)),
        pictureButton(22, Common, 137, {}, u"图片"_s, picture(22)),
        pictureButton(24, Common, 170, {}, u"flash元素"_s, picture(24)),
        pictureButton(25, Common, 202, {}, u"脚本"_s, picture(25)),
        pictureButton(26, Common, 234, u"水平线"_s, u"水平线"_s, picture(26)),
        pictureButton(27, Common, 266, {}, u"日期"_s, picture(27)),
        pictureButton(28, Common, 298, {}, u"注解"_s, picture(28)),
        // 文本
        pictureButton(1, TextPage, 9, u"B"_s, u"粗体"_s, {}, kai(20)),
        pictureButton(2, TextPage, 41, u"I"_s, u"斜体"_s, {}, kai(20, true)),
        pictureButton(3, TextPage, 74, u"S"_s, u"加强"_s, {}, kai(20)),
        pictureButton(4, TextPage, 107, u"em"_s, u"强调"_s, {}, kai(19)),
        pictureButton(5, TextPage, 140, u"§"_s, u"段落"_s, {}, kai(19)),
        pictureButton(6, TextPage, 173, u"[]"_s, u"块引用"_s, {}, kai(19)),
        pictureButton(7, TextPage, 206, u"PRE"_s, u"已编排格式"_s, {}, kai(16)),
        pictureButton(8, TextPage, 239, u"h1"_s, u"标题1"_s, {}, song(16)),
        pictureButton(9, TextPage, 272, u"h2"_s, u"标题2"_s, {}, song(16)),
        pictureButton(10, TextPage, 305, u"h3"_s, u"标题3"_s, {}, song(16)),
        pictureButton(11, TextPage, 338, u"ul"_s, u"项目列表"_s, {}, song(16)),
        pictureButton(12, TextPage, 371, u"ol"_s, u"编号列表"_s, {}, song(16)),
        pictureButton(13, TextPage, 404, u"li"_s, u"列表项"_s, {}, song(16)),
        pictureButton(14, TextPage, 437, u"dl"_s, u"定义列表"_s, {}, song(16)),
        pictureButton(15, TextPage, 470, u"dt"_s, u"定义术语"_s, {}, song(16)),
        pictureButton(16, TextPage, 503, u"dd"_s, u"定义说明"_s, {}, song(16)),
        // 表单
        pictureButton(29, FormPage, 9, u"超级按钮"_s, u"表域"_s, picture(29)),
        pictureButton(30, FormPage, 41, u"超级按钮"_s, u"按钮"_s, picture(30)),
        pictureButton(31, FormPage, 74, u"超级按钮"_s, u"文本框"_s, picture(31)),
        pictureButton(32, FormPage, 107, u"超级按钮"_s, u"单选框"_s, picture(32)),
        pictureButton(33, FormPage, 140, u"超级按钮"_s, u"复选框"_s, picture(33)),
        pictureButton(34, FormPage, 173, u"超级按钮"_s, u"下拉框"_s, picture(34)),
        pictureButton(35, FormPage, 206, u"超级按钮"_s, u"分组框"_s, picture(35)),
        // 特殊字符: no tooltips; a screen reader announces the reference each button inserts.
        pictureButton(17, SpecialPage, 9, {}, {}, picture(17), {}, u"&#8482;"_s),
        pictureButton(23, SpecialPage, 41, {}, {}, picture(23), {}, u"&reg;"_s),
        pictureButton(39, SpecialPage, 73, {}, {}, picture(39), {}, u"&copy;"_s),
        pictureButton(40, SpecialPage, 105, {}, {}, picture(40), {}, u"&para;"_s),
        pictureButton(41, SpecialPage, 137, {}, {}, picture(41), {}, u"&pound;"_s),
        pictureButton(42, SpecialPage, 169, {}, {}, picture(42), {}, u"&cent;"_s),
        pictureButton(43, SpecialPage, 201, {}, {}, picture(43), {}, u"&yen;"_s),
        pictureButton(44, SpecialPage, 233, {}, {}, picture(44), {}, u"&sect;"_s),
        pictureButton(45, SpecialPage, 265, {}, {}, picture(45), {}, u"&#8240;"_s),
        // 媒体
        pictureButton(36, MediaPage, 9, {}, u"flash"_s, picture(36)),
        pictureButton(37, MediaPage, 42, {}, u"mp"_s, picture(37)),
        pictureButton(38, MediaPage, 75, {}, u"背景音乐"_s, picture(38)),
    };
}

/// A menu as captions: a caption with children is a submenu; "-" is a separator.
struct Menu {
    QString caption;
    std::vector<Menu> items = {};
};

/// Flattens a menu tree into rows; an item's unit name is its path of trimmed captions joined by
/// "/" ("文件/新建/新建html文件"), a separator's its menu's path and "-" with a running number.
void addMenu(std::vector<ControlDef> &rows, const Menu &menu, const QString &parentUnit, bool hidden = false)
{
    const QString unit = parentUnit.isEmpty() ? menu.caption.trimmed() : parentUnit + u'/' + menu.caption.trimmed();
    rows.push_back({.unit = unit, .kind = Kind::MenuItem, .parent = parentUnit, .caption = menu.caption, .hiddenMenu = hidden});
    int separators = 0;
    for (const Menu &item : menu.items) {
        if (item.caption == u"-")
            rows.push_back({.unit = unit + u"/-"_s + QString::number(++separators),
                            .kind = Kind::MenuItem,
                            .parent = unit,
                            .caption = u"-"_s});
        else
            addMenu(rows, item, unit);
    }
}

std::vector<ControlDef> menus()
{
    const Menu sep{u"-"_s};
    std::vector<ControlDef> rows;
    addMenu(rows, {u"  文件  "_s,
                   {{u"新建"_s, {{u"新建html文件"_s}, {u"新建asp文件"_s}, {u"新建css文件"_s}}},
                    {u"打开"_s}, sep, {u"保存"_s}, {u"另存为..."_s}, sep, {u"退出"_s}}},
            {});
    addMenu(rows, {u"  编辑  "_s, {{u"撤消"_s}, sep, {u"剪切"_s}, {u"复制"_s}, {u"粘贴"_s}, {u"删除"_s}, sep, {u"选择全部的"_s}}}, {});
    addMenu(rows, {u"  插入  "_s,
                   {{u"超级链接..."_s},
                    {u"图片..."_s},
                    {u"水平线"_s},
                    {u"多媒体"_s, {{u"flash"_s}, {u"wmp"_s}, {u"背景音乐"_s}}},
                    sep,
                    {u"加入以有的css"_s},
                    {u"编辑css"_s},
                    sep,
                    {u"表格"_s, {{u"表格"_s}, sep, {u"TR"_s}, {u"TH"_s}, {u"TD"_s}, {u"标题"_s}}},
                    {u"表单"_s,
                     {{u"表单"_s}, sep, {u"文本框"_s}, {u"复选框"_s}, {u"单选框"_s}, {u"分组框"_s}, {u"按键"_s}, {u"下拉式列表"_s}}},
                    {u"脚本对象"_s, {{u"插入脚本"_s}, {u"插入noscript"_s}, sep, {u"插入JavaScript"_s}, {u"插入VBScript"_s}}},
                    sep,
                    {u"日期标签"_s},
                    {u"时间标签"_s}}},
            {});
    addMenu(rows, {u"  工具"_s, {{u"vb参考"_s}, {u"html参考"_s}, {u"ihtml参考"_s}, {u"asp参考"_s}}}, {});
    addMenu(rows, {u"  java特效"_s,
                   {{u"加入收藏夹"_s}, {u"设为首页"_s}, {u"调整窗体大小"_s}, {u"IE按钮"_s}, sep, {u"分时问候"_s}, {u"前后退按钮"_s},
                    {u"检测浏览器"_s}, {u"防止网页被他人调用"_s}, {u"IE浏览器滚动条设置"_s}}},
            {});
    addMenu(rows, {u"   SQL  "_s,
                   {{u"筛选"_s,
                     {{u"SELECT*FROM..WHERE"_s}, {u"SELECT*FROM..WHERE..LIKE"_s}, {u"SELECT*FROM..WHERE..IN"_s},
                      {u"SELECT*FROM..WHERE..BETWEEN"_s}}},
                    sep,
                    {u"排序"_s, {{u"递增"_s}, {u"递减"_s}}},
                    sep,
                    {u"增加记录"_s},
                    {u"更新记录"_s},
                    {u"删除记录"_s}}},
            {});
    addMenu(rows, {u"  选项"_s, {{u"字体设置"_s}, {u"背景设置"_s}}}, {});
    addMenu(rows, {u"  帮助  "_s, {{u"即时帮助"_s}, sep, {u"关于"_s}}}, {});
    addMenu(rows, {u"鼠标菜单"_s, {{u"剪切"_s}, {u"复制"_s}, {u"粘贴"_s}, {u"删除"_s}, sep, {u"选择全部的"_s}}}, {}, true);
    return rows;
}

ui::WindowDefinition layout(const QString &name)
{
    const Font paneFont{u"宋体"_s, 12, false, false};
    ui::WindowDefinition def{
        .name = name,
        .caption = u"Quillmere-（简约实用的网页开发系统） V1.0"_s + QString(13, u' ') + u"Tavrin旗下插件"_s,
        .width = 702,
        .height = 604,
        .frame = ui::Frame::Resizable,
    };
    auto &c = def.controls;
    c.push_back({.unit = Toolbar, .kind = Kind::TabControl, .geometry = {0, 0, 696, 64},
                 .items = {u"常用"_s, u"文本"_s, u"表单"_s, u"特殊字符"_s, u"媒体"_s}, .current = 0, .font = paneFont});
    c.push_back({.unit = Pane, .kind = Kind::TabControl, .geometry = {0, 64, 160, 419},
                 .items = {u"vb"_s, u"html"_s, u"ihtml"_s, u"asp"_s}, .current = 2, .font = paneFont, .tabsAtBottom = true});
    c.push_back({.unit = u"超级编辑框1"_s, .kind = Kind::CodeEditor, .geometry = {160, 64, 536, 421}});
    c.push_back({.unit = u"状态条1"_s, .kind = Kind::StatusBar, .geometry = {0, 530, 774, 20},
                 .items = {u"程序行数"_s, u"0"_s, u"光标行位"_s, u"1"_s, u"光标列位"_s, u"0"_s, u"程序长度"_s, {}, {}},
                 .widths = {55, 50, 55, 50, 55, 50, 55, 55, 55}});
    c.push_back({.unit = u"按钮2"_s, .kind = Kind::PushButton, .parent = Toolbar, .page = Common,
                 .geometry = {456, 24, 80, 32}, .caption = u"软件简介"_s});
    for (auto &b : toolbarButtons())
        c.push_back(std::move(b));
    c.push_back({.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .parent = Toolbar, .page = Common,
                 .geometry = {376, 32, 32, 24}, .visible = false, .dialogMode = ui::OpenFileMode,
                 .filter = u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_s, .initialFilter = 1});
    c.push_back({.unit = u"列表框2"_s, .kind = Kind::ListBox, .parent = Pane, .page = 0, .geometry = {0, 0, 160, 378},
                 .items = reference::vbKeywords()});
    c.push_back({.unit = u"列表框3"_s, .kind = Kind::ListBox, .parent = Pane, .page = 1, .geometry = {0, 0, 160, 378},
                 .items = reference::htmlKeywords()});
    c.push_back({.unit = u"列表框1"_s, .kind = Kind::ListBox, .parent = Pane, .page = 2, .geometry = {0, 0, 160, 378},
                 .items = reference::ihtmlKeywords()});
    c.push_back({.unit = u"列表框4"_s, .kind = Kind::ListBox, .parent = Pane, .page = 3, .geometry = {0, 0, 160, 378},
                 .items = reference::aspKeywords()});
    // 客服 stands in front of the toolbar strip on every page, so it comes after the toolbar.
    c.push_back({.unit = u"按钮1"_s, .kind = Kind::PushButton, .geometry = {560, 24, 88, 32}, .caption = u"客服"_s});
    c.push_back({.unit = u"超级菜单1"_s, .kind = Kind::PopupMenuHost, .geometry = {328, 80, 104, 72}, .visible = false});
    for (auto &m : menus())
        c.push_back(std::move(m));
    return def;
}

/// The created handler: give the editor the word lists it colours, dress the windows with the
/// start skin, then open the file named on the command line or, when there is none or it cannot
/// be read, write the page template.
void startUp(ui::UiRuntime &rt, document::Session &s, const QString &file, document::Recovery *recovery)
{
    rt.setEditorWords(s.editor(), reference::highlightWords());
    skins::applySkin(rt, skins::StartSkin);
    s.setEncoding(core::Encoding::Gb18030, core::EncodingSource::NewDocument); // the template is GB18030, as every new document
    s.setPath({});
    if (file.isEmpty() || !document::openFile(rt, s, file)) {
        document::insertPieces(rt, s, document::newPageTemplate());
        document::showEncodingNote(rt, s, rt.getEditorBytes(s.editor(), core::Encoding::Gb18030));
    }
    document::setStatusHint(rt, s, keyedWindowsHint());
    // QUILLMERE_TYPING_HELP=0 leaves it off: the baseline of the typing-latency benchmark.
    if (qEnvironmentVariable("QUILLMERE_TYPING_HELP") != QLatin1StringView("0"))
        markup::startTypingHelp(rt, s);
    if (recovery) {
        recovery->start(rt);
        // Offered over the first window once it shows its start document.
        if (s.window() == MainWindowName)
            QTimer::singleShot(0, recovery->context(), [&rt, recovery] { document::offerRecovery(rt, *recovery); });
    }
}

void nothing(ui::UiRuntime &) {}

} // namespace

const QString MainWindowName = u"MainWindow"_s;

MainWindow::MainWindow(QString startFile, const QString &name, document::RecoveryStore *recoveryStore)
    : startFile_(std::move(startFile)), session_(name)
{
    if (recoveryStore)
        recovery_ = std::make_unique<document::Recovery>(*recoveryStore, session_);
}

ui::WindowDefinition MainWindow::definition()
{
    document::Session &s = session_;
    ui::WindowDefinition def = layout(s.window());
    std::vector<ui::UnitBinding> bindings = {
        {{}, ui::Event::Created, [&s, file = startFile_, r = recovery_.get()](ui::UiRuntime &rt) { startUp(rt, s, file, r); }},
        {u"文件/退出"_s, ui::Event::Clicked, [&s](ui::UiRuntime &rt) { rt.closeWindow(s.window()); }},
        {Toolbar, ui::Event::PageChanged, nothing},
        {Pane, ui::Event::PageChanged, nothing},
        {u"状态条1"_s, ui::Event::LeftButtonDown, nothing},
    };
    for (auto more : {document::mainWindowBindings(s), markup::mainWindowBindings(s), reference::mainWindowBindings(s),
                      prefs::mainWindowBindings(s)})
        bindings.insert(bindings.end(), more.begin(), more.end());
    if (const QStringList unknown = def.bind(bindings); !unknown.isEmpty())
        qFatal("MainWindow bindings name units it does not have: %s", qPrintable(unknown.join(u", ")));
    def.shortcuts = mainWindowShortcuts(s, [this](ui::UiRuntime &rt) {
        if (openNew_)
            openNew_(rt);
    });
    def.topLevel = true; // the program ends with the last MainWindow
    return def;
}

} // namespace app
