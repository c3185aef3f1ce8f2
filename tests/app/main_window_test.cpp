// SPDX-License-Identifier: GPL-3.0-or-later
// The MainWindow as built from its definition: frame, controls, toolbar, reference pane, status
// bar, menus, start-up text and the two ways of closing it.
#include "app/main_window.h"
#include "document/templates.h"
#include "support/eventually.h"
#include "support/show_catcher.h"
#include "ui/definition_lint.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Spelled out: a global of another file may not be initialised yet when these are.
const QString Main = u"MainWindow"_s;
const ui::ControlRef Editor{Main, u"超级编辑框1"_s};
const ui::ControlRef Toolbar{Main, u"新选择夹1"_s};
const ui::ControlRef Pane{Main, u"新选择夹2"_s};
const ui::ControlRef StatusBar{Main, u"状态条1"_s};

/// Answers "否" to the unsaved-changes question that closing the window may ask.
void answerNo(QMessageBox *box)
{
    if (QAbstractButton *no = box->button(QMessageBox::No))
        no->click();
    else
        box->reject();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(main.definition()); }
    void open(const ui::WindowDefinition &def) { rt.openWindow(def, false); }
    void TearDown() override
    {
        testsupport::ShowCatcher<QMessageBox> no(answerNo);
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    QWidget *widget(const QString &unit) { return ui::testing::widget(rt, {Main, unit}); }
    QMainWindow *window() { return qobject_cast<QMainWindow *>(ui::testing::widget(rt, {Main, {}})); }
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

/// The menu tree as text: one line per item, two blanks of indent per level, captions in quotes.
void describeMenu(const QMenu *menu, int depth, QString &out)
{
    for (const QAction *a : menu->actions()) {
        out += QString(depth * 2, u' ') + (a->isSeparator() ? u"-"_s : u'"' + a->text() + u'"') + u'\n';
        if (a->menu())
            describeMenu(a->menu(), depth + 1, out);
    }
}

} // namespace

TEST(MainWindowDefinition, PassesTheLint)
{
    app::MainWindow main;
    EXPECT_EQ(ui::lintDefinition(main.definition()), QStringList());
}

TEST(MainWindowDefinition, ControlsAsTabled)
{
    app::MainWindow main;
    const ui::WindowDefinition def = main.definition();
    EXPECT_EQ(def.caption, u"Quillmere-（简约实用的网页开发系统） V1.0             Tavrin旗下插件"_s);
    EXPECT_EQ(def.width, 702);
    EXPECT_EQ(def.height, 604);
    EXPECT_EQ(def.frame, ui::Frame::Resizable);

    struct Row {
        QString unit;
        ui::Kind kind;
        QString parent;
        int page;
        QRect geometry;
        QString caption;
    };
    const QString tb = u"新选择夹1"_s, pane = u"新选择夹2"_s;
    const Row rows[] = {
        {tb, ui::Kind::TabControl, {}, -1, {0, 0, 696, 64}, {}},
        {pane, ui::Kind::TabControl, {}, -1, {0, 64, 160, 419}, {}},
        {u"超级编辑框1"_s, ui::Kind::CodeEditor, {}, -1, {160, 64, 536, 421}, {}},
        {u"状态条1"_s, ui::Kind::StatusBar, {}, -1, {0, 530, 774, 20}, {}},
        {u"按钮1"_s, ui::Kind::PushButton, {}, -1, {560, 24, 88, 32}, u"客服"_s},
        {u"按钮2"_s, ui::Kind::PushButton, tb, 0, {456, 24, 80, 32}, u"软件简介"_s},
        {u"通用对话框1"_s, ui::Kind::CommonDialog, tb, 0, {376, 32, 32, 24}, {}},
        {u"列表框2"_s, ui::Kind::ListBox, pane, 0, {0, 0, 160, 378}, {}},
        {u"列表框3"_s, ui::Kind::ListBox, pane, 1, {0, 0, 160, 378}, {}},
        {u"列表框1"_s, ui::Kind::ListBox, pane, 2, {0, 0, 160, 378}, {}},
        {u"列表框4"_s, ui::Kind::ListBox, pane, 3, {0, 0, 160, 378}, {}},
        {u"超级菜单1"_s, ui::Kind::PopupMenuHost, {}, -1, {328, 80, 104, 72}, {}},
    };
    for (const Row &r : rows) {
        const ui::ControlDef *c = def.find(r.unit);
        ASSERT_NE(c, nullptr) << r.unit.toStdString();
        EXPECT_EQ(c->kind, r.kind) << r.unit.toStdString();
        EXPECT_EQ(c->parent, r.parent) << r.unit.toStdString();
        EXPECT_EQ(c->page, r.page) << r.unit.toStdString();
        EXPECT_EQ(c->geometry, r.geometry) << r.unit.toStdString();
        EXPECT_EQ(c->caption, r.caption) << r.unit.toStdString();
    }
    EXPECT_EQ(def.find(tb)->items, (QStringList{u"常用"_s, u"文本"_s, u"表单"_s, u"特殊字符"_s, u"媒体"_s}));
    EXPECT_EQ(def.find(pane)->items, (QStringList{u"vb"_s, u"html"_s, u"ihtml"_s, u"asp"_s}));
    for (const QString &unit : {tb, pane}) {
        ASSERT_TRUE(def.find(unit)->font.has_value());
        EXPECT_EQ(def.find(unit)->font->face, u"宋体"_s);
        EXPECT_EQ(def.find(unit)->font->pixelHeight, 12);
        EXPECT_FALSE(def.find(unit)->font->bold);
    }
    const ui::ControlDef *status = def.find(u"状态条1"_s);
    EXPECT_EQ(status->items, (QStringList{u"程序行数"_s, u"0"_s, u"光标行位"_s, u"1"_s, u"光标列位"_s, u"0"_s, u"程序长度"_s, {}, {}}));
    EXPECT_EQ(status->widths, (std::vector<int>{55, 50, 55, 50, 55, 50, 55, 55, 55}));
    const ui::ControlDef *dialog = def.find(u"通用对话框1"_s);
    EXPECT_FALSE(dialog->visible);
    EXPECT_EQ(dialog->dialogMode, ui::OpenFileMode);
    EXPECT_EQ(dialog->filter, u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_s);
    EXPECT_EQ(dialog->initialFilter, 1);
    EXPECT_FALSE(def.find(u"超级菜单1"_s)->visible);
}

TEST_F(MainWindowTest, FrameCaptionAndPlace)
{
    QMainWindow *w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), u"Quillmere-（简约实用的网页开发系统） V1.0             Tavrin旗下插件"_s);
    EXPECT_EQ(rt.getBounds({Main, {}}, ui::Bound::Width), 702);
    EXPECT_EQ(rt.getBounds({Main, {}}, ui::Bound::Height), 604);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(rt.getBounds({Main, {}}, ui::Bound::Left), (screen.width() - 702) / 2);
    EXPECT_EQ(rt.getBounds({Main, {}}, ui::Bound::Top), (screen.height() - 604) / 2);
    // Resizable, with minimise and maximise boxes.
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_NE(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowIcon().isNull());
}

TEST_F(MainWindowTest, ToolbarButtonsAsTabled)
{
    struct Button {
        int number, page, left;
        QString face, tooltip;
        QString font; // "" default, else mapped face of 楷体_GB2312 / 宋体
        int pixels = 0;
        bool italic = false;
    };
    const QString kai = u"楷体_GB2312"_s, song = u"宋体"_s;
    const std::vector<Button> buttons = {
        {18, 0, 9, {}, u"超连接"_s}, {19, 0, 41, {}, u"E-mail"_s}, {20, 0, 73, {}, u"命名标记"_s},
        {21, 0, 105, {}, u"表格"_s}, {22, 0, 137, {}, u"图片"_s}, {24, 0, 170, {}, u"flash元素"_s},
        {25, 0, 202, {}, u"脚本"_s}, {26, 0, 234, u"水平线"_s, u"水平线"_s}, {27, 0, 266, {}, u"日期"_s},
        {28, 0, 298, {}, u"注解"_s},
        {1, 1, 9, u"B"_s, u"粗体"_s, kai, 20}, {2, 1, 41, u"I"_s, u"斜体"_s, kai, 20, true},
        {3, 1, 74, u"S"_s, u"加强"_s, kai, 20}, {4, 1, 107, u"em"_s, u"强调"_s, kai, 19},
        {5, 1, 140, u"§"_s, u"段落"_s, kai, 19}, {6, 1, 173, u"[]"_s, u"块引用"_s, kai, 19},
        {7, 1, 206, u"PRE"_s, u"已编排格式"_s, kai, 16}, {8, 1, 239, u"h1"_s, u"标题1"_s, song, 16},
        {9, 1, 272, u"h2"_s, u"标题2"_s, song, 16}, {10, 1, 305, u"h3"_s, u"标题3"_s, song, 16},
        {11, 1, 338, u"ul"_s, u"项目列表"_s, song, 16}, {12, 1, 371, u"ol"_s, u"编号列表"_s, song, 16},
        {13, 1, 404, u"li"_s, u"列表项"_s, song, 16}, {14, 1, 437, u"dl"_s, u"定义列表"_s, song, 16},
        {15, 1, 470, u"dt"_s, u"定义术语"_s, song, 16}, {16, 1, 503, u"dd"_s, u"定义说明"_s, song, 16},
        {29, 2, 9, u"超级按钮"_s, u"表域"_s}, {30, 2, 41, u"超级按钮"_s, u"按钮"_s},
        {31, 2, 74, u"超级按钮"_s, u"文本框"_s}, {32, 2, 107, u"超级按钮"_s, u"单选框"_s},
        {33, 2, 140, u"超级按钮"_s, u"复选框"_s}, {34, 2, 173, u"超级按钮"_s, u"下拉框"_s},
        {35, 2, 206, u"超级按钮"_s, u"分组框"_s},
        {17, 3, 9}, {23, 3, 41}, {39, 3, 73}, {40, 3, 105}, {41, 3, 137}, {42, 3, 169}, {43, 3, 201},
        {44, 3, 233}, {45, 3, 265},
        {36, 4, 9, {}, u"flash"_s}, {37, 4, 42, {}, u"mp"_s}, {38, 4, 75, {}, u"背景音乐"_s},
    };
    ASSERT_EQ(buttons.size(), 45u);
    QWidget *toolbar = widget(Toolbar.unit);
    const QFont appFont = QApplication::font();
    for (const Button &b : buttons) {
        const QString unit = u"超级按钮%1"_s.arg(b.number);
        SCOPED_TRACE(unit.toStdString());
        auto *button = qobject_cast<QToolButton *>(widget(unit));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), toolbar);
        EXPECT_EQ(button->geometry(), QRect(b.left, 27, 32, 32));
        EXPECT_EQ(button->text(), b.face);
        EXPECT_EQ(button->toolTip(), b.tooltip);
        EXPECT_TRUE(button->autoRaise()); // flat
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        if (b.font.isEmpty()) {
            EXPECT_EQ(button->font().family(), appFont.family());
        } else {
            EXPECT_EQ(button->font().family(), ui::testing::mappedFontFace(b.font));
            EXPECT_EQ(button->font().pixelSize(), b.pixels);
            EXPECT_TRUE(button->font().bold());
            EXPECT_EQ(button->font().italic(), b.italic);
        }
        // Each button shows on its own page only.
        rt.setCurrentPage(Toolbar, b.page);
        EXPECT_TRUE(button->isVisible());
        rt.setCurrentPage(Toolbar, (b.page + 1) % 5);
        EXPECT_FALSE(button->isVisible());
    }
}

TEST_F(MainWindowTest, StartPagesAndThePushButtons)
{
    EXPECT_EQ(rt.getCurrentPage(Toolbar), 0);
    EXPECT_EQ(rt.getCurrentPage(Pane), 2);
    EXPECT_TRUE(widget(u"列表框1"_s)->isVisible());
    EXPECT_FALSE(widget(u"列表框2"_s)->isVisible());
    for (const QString &list : {u"列表框1"_s, u"列表框2"_s, u"列表框3"_s, u"列表框4"_s})
        EXPECT_EQ(rt.getListIndex({Main, list}), -1) << list.toStdString();

    // 客服 stays over the toolbar strip on every page; 软件简介 belongs to 常用. Pages are picked
    // the way a user does, on the tabs.
    auto *bar = widget(Toolbar.unit)->findChild<QTabBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->shape(), QTabBar::RoundedNorth);
    QWidget *service = widget(u"按钮1"_s);
    QWidget *intro = widget(u"按钮2"_s);
    EXPECT_EQ(service->parentWidget(), widget(Toolbar.unit)->parentWidget());
    for (int page = 0; page < 5; ++page) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        EXPECT_EQ(rt.getCurrentPage(Toolbar), page);
        EXPECT_TRUE(service->isVisible()) << page;
        EXPECT_EQ(intro->isVisible(), page == 0) << page;
        // 客服 is in front of the toolbar: the point under its centre belongs to it.
        const QPoint centre = service->geometry().center();
        EXPECT_EQ(service->parentWidget()->childAt(centre), service) << page;
    }
    EXPECT_EQ(qobject_cast<QPushButton *>(service)->text(), u"客服"_s);
    EXPECT_EQ(qobject_cast<QPushButton *>(intro)->text(), u"软件简介"_s);
}

TEST_F(MainWindowTest, ReferencePaneShowsAllFourTabsAlongItsBottom)
{
    QWidget *pane = widget(Pane.unit);
    auto *bar = pane->findChild<QTabBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->shape(), QTabBar::RoundedSouth);
    EXPECT_EQ(bar->geometry().bottom(), pane->height() - 1);
    EXPECT_GE(bar->geometry().top(), 378); // below the lists
    EXPECT_EQ(bar->currentIndex(), 2);
    EXPECT_EQ(bar->font().pixelSize(), 12);
    EXPECT_EQ(bar->font().family(), ui::testing::mappedFontFace(u"宋体"_s));
    // The lists keep the ordinary font.
    EXPECT_EQ(widget(u"列表框1"_s)->font().family(), QApplication::font().family());
    QStringList tabs;
    for (int i = 0; i < bar->count(); ++i) {
        tabs << bar->tabText(i);
        EXPECT_LE(bar->tabRect(i).right(), 159) << i; // every tab within the pane's 160 pixels
    }
    EXPECT_EQ(tabs, (QStringList{u"vb"_s, u"html"_s, u"ihtml"_s, u"asp"_s}));
    for (auto *arrow : bar->findChildren<QToolButton *>())
        EXPECT_FALSE(arrow->isVisible()); // no scroll arrows
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(widget(u"列表框2"_s)->isVisible());
    EXPECT_FALSE(widget(u"列表框1"_s)->isVisible());
}

TEST_F(MainWindowTest, CodeEditorSettings)
{
    auto *ed = qobject_cast<QsciScintilla *>(widget(Editor.unit));
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(ed->geometry(), QRect(160, 64, 536, 421));
    EXPECT_EQ(ed->wrapMode(), QsciScintilla::WrapWord);
    EXPECT_EQ(ed->eolMode(), QsciScintilla::EolWindows);
    EXPECT_EQ(ed->paper(), QColor(Qt::white));
    EXPECT_EQ(rt.getEditorBackground(Editor), 0x00FFFFFFu);
    EXPECT_EQ(ed->frameShape(), QFrame::Box);
    EXPECT_EQ(ed->lineWidth(), 1);
    EXPECT_FALSE(ed->isReadOnly());
    EXPECT_EQ(ed->lexer(), nullptr); // plain text
}

TEST_F(MainWindowTest, StatusBarPanels)
{
    auto *bar = qobject_cast<QStatusBar *>(widget(StatusBar.unit));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, window()->statusBar()); // along the bottom edge over the full width
    const std::vector<int> widths = {55, 50, 55, 50, 55, 50, 55, 55, 55};
    for (int i = 0; i < 9; ++i) {
        auto *panel = bar->findChild<QLabel *>(u"panel%1"_s.arg(i));
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->width(), widths[size_t(i)]) << i;
    }
    // Panels 1, 3 and 7 are rewritten by the start-up text's change; the captions stay.
    EXPECT_EQ(rt.getPanelText(StatusBar, 0), u"程序行数"_s);
    EXPECT_EQ(rt.getPanelText(StatusBar, 2), u"光标行位"_s);
    EXPECT_EQ(rt.getPanelText(StatusBar, 4), u"光标列位"_s);
    EXPECT_EQ(rt.getPanelText(StatusBar, 6), u"程序长度"_s);
    EXPECT_EQ(rt.getPanelText(StatusBar, 8), QString());
    rt.setPanelText(StatusBar, 9, u"x"_s); // outside the panels: ignored
    EXPECT_EQ(bar->findChild<QLabel *>(u"panel9"_s), nullptr);
}

TEST_F(MainWindowTest, MenuTreeWithExactCaptions)
{
    QString tree;
    for (QAction *title : window()->menuBar()->actions()) {
        tree += u'"' + title->text() + u"\"\n"_s;
        describeMenu(title->menu(), 1, tree);
    }
    const QString expected = uR"("  文件  "
  "新建"
    "新建html文件"
    "新建asp文件"
    "新建css文件"
  "打开"
  -
  "保存"
  "另存为..."
  -
  "退出"
"  编辑  "
  "撤消"
  -
  "剪切"
  "复制"
  "粘贴"
  "删除"
  -
  "选择全部的"
"  插入  "
  "超级链接..."
  "图片..."
  "水平线"
  "多媒体"
    "flash"
    "wmp"
    "背景音乐"
  -
  "加入以有的css"
  "编辑css"
  -
  "表格"
    "表格"
    -
    "TR"
    "TH"
    "TD"
    "标题"
  "表单"
    "表单"
    -
    "文本框"
    "复选框"
    "单选框"
    "分组框"
    "按键"
    "下拉式列表"
  "脚本对象"
    "插入脚本"
    "插入noscript"
    -
    "插入JavaScript"
    "插入VBScript"
  -
  "日期标签"
  "时间标签"
"  工具"
  "vb参考"
  "html参考"
  "ihtml参考"
  "asp参考"
"  java特效"
  "加入收藏夹"
  "设为首页"
  "调整窗体大小"
  "IE按钮"
  -
  "分时问候"
  "前后退按钮"
  "检测浏览器"
  "防止网页被他人调用"
  "IE浏览器滚动条设置"
"   SQL  "
  "筛选"
    "SELECT*FROM..WHERE"
    "SELECT*FROM..WHERE..LIKE"
    "SELECT*FROM..WHERE..IN"
    "SELECT*FROM..WHERE..BETWEEN"
  -
  "排序"
    "递增"
    "递减"
  -
  "增加记录"
  "更新记录"
  "删除记录"
"  选项"
  "字体设置"
  "背景设置"
"  帮助  "
  "即时帮助"
  -
  "关于"
)"_s;
    EXPECT_EQ(tree.toStdString(), expected.toStdString());

    // The hidden context menu exists but never shows in the menu bar.
    QMenu *mouse = ui::testing::menu(rt, {Main, u"鼠标菜单"_s});
    ASSERT_NE(mouse, nullptr);
    EXPECT_FALSE(window()->menuBar()->actions().contains(mouse->menuAction()));
    QString popup;
    describeMenu(mouse, 0, popup);
    EXPECT_EQ(popup, u"\"剪切\"\n\"复制\"\n\"粘贴\"\n\"删除\"\n-\n\"选择全部的\"\n"_s);

    // Nothing checked or disabled at start; the only keys shown are those of the shortcut table.
    QHash<QString, QKeySequence> keys;
    for (const ui::Shortcut &s : main.definition().shortcuts)
        if (!s.unit.isEmpty())
            keys.insert(s.unit, QKeySequence::fromString(s.keys, QKeySequence::PortableText));
    std::function<void(QMenu *)> plain = [&](QMenu *m) {
        for (QAction *a : m->actions()) {
            EXPECT_EQ(a->shortcut(), keys.value(a->objectName())) << a->text().toStdString();
            EXPECT_FALSE(a->isChecked()) << a->text().toStdString();
            EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
            if (a->menu())
                plain(a->menu());
        }
    };
    for (QAction *title : window()->menuBar()->actions())
        plain(title->menu());
    plain(mouse);
}

TEST_F(MainWindowTest, StartsWithThePageTemplateAndTheCaretAfterIt)
{
    QString expected;
    for (const auto &piece : document::newPageTemplate())
        expected += piece;
    EXPECT_EQ(core::textToBytes(rt.getEditorText(Editor)),
              QByteArray("<html>\r\n<head>\r\n"
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
                         "<meta name=\"GENERATOR\" content=\"orlen\">\r\n"
                         "<meta http-equiv=\"ProgId\" content=\"orlen.Editor.Document\">\r\n"
                         "<title>New Page 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n</body>\r\n</html>\r\n"));
    EXPECT_EQ(rt.getEditorText(Editor), expected);
    EXPECT_EQ(document::newPageTemplate().size(), 12u);
    // Twelve pieces each ending a line: the caret stands on the empty line after them.
    EXPECT_EQ(core::textToBytes(rt.getEditorText(Editor)).count("\r\n"), 12);
    EXPECT_EQ(rt.getLineCount(Editor), 13);
    EXPECT_EQ(rt.getCaretLine(Editor), 12);
    EXPECT_EQ(rt.getSelectionLength(Editor), 0);
    rt.insertAtCaret(Editor, u"x"_s);
    EXPECT_TRUE(rt.getEditorText(Editor).endsWith(u"</html>\r\nx"_s));
}

TEST_F(MainWindowTest, ExitMenuItemClosesTheWindowAfterItsHandler)
{
    testsupport::ShowCatcher<QMessageBox> no(answerNo);
    ui::testing::menuAction(rt, {Main, u"文件/退出"_s})->trigger();
    EXPECT_TRUE(rt.isOpen(Main)); // destroyed only after the handler has returned
    ASSERT_EVENTUALLY(!rt.isOpen(Main));
}

namespace {

/// The MainWindow with its being-destroyed handler replaced by a counter.
ui::WindowDefinition countingDestruction(app::MainWindow &main, int &destroyed, int &queried)
{
    ui::WindowDefinition def = main.definition();
    for (auto &b : def.bindings)
        if (b.event == ui::Event::BeingDestroyed)
            b.handler = [&destroyed](ui::UiRuntime &) { ++destroyed; };
    def.bindings.push_back({ui::Event::CloseQuery, [&queried](ui::UiRuntime &, const ui::EventInfo &) {
                                ++queried;
                                return true;
                            }});
    return def;
}

} // namespace

TEST(MainWindowClosing, CloseBoxAndExitBothEndInTheBeingDestroyedEvent)
{
    int destroyed = 0, queried = 0;
    {
        app::MainWindow main;
        ui::UiRuntime rt;
        rt.openWindow(countingDestruction(main, destroyed, queried), false);
        ui::testing::widget(rt, {app::MainWindowName, {}})->close(); // the close box
        ASSERT_EVENTUALLY(!rt.isOpen(app::MainWindowName));
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(queried, 1);
    }
    {
        app::MainWindow main;
        ui::UiRuntime rt;
        rt.openWindow(countingDestruction(main, destroyed, queried), false);
        ui::testing::menuAction(rt, {app::MainWindowName, u"文件/退出"_s})->trigger();
        ASSERT_EVENTUALLY(!rt.isOpen(app::MainWindowName));
        EXPECT_EQ(destroyed, 2);
        EXPECT_EQ(queried, 1); // closing by command asks no close query
    }
}
