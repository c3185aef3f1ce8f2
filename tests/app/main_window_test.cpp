// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "document/templates.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QMenu>
#include <QMenuBar>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const ui::ControlRef Editor{u"MainWindow"_s, u"超级编辑框1"_s};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(app::mainWindowDefinition(), false); }
    void TearDown() override
    {
        rt.closeWindow(app::MainWindowName);
        QTRY_VERIFY(!rt.isOpen(app::MainWindowName));
    }
    ui::UiRuntime rt;
};

} // namespace

TEST_F(MainWindowTest, StartsWithThePageTemplateAndTheCaretAfterIt)
{
    QString expected;
    for (const auto &piece : document::newPageTemplate())
        expected += piece;
    EXPECT_EQ(rt.getEditorText(Editor), expected);
    // Twelve pieces, each ending a line: the caret stands on the empty line after them.
    EXPECT_EQ(ui::textToBytes(rt.getEditorText(Editor)).count("\r\n"), 12);
    EXPECT_EQ(rt.getLineCount(Editor), 13);
    EXPECT_EQ(rt.getCaretLine(Editor), 12);
    // Typing goes in after the last line break.
    rt.insertAtCaret(Editor, u"x"_s);
    EXPECT_TRUE(rt.getEditorText(Editor).endsWith(u"</html>\r\nx"_s));
}

TEST_F(MainWindowTest, CaptionAndMenuBarTitles)
{
    auto *window = qobject_cast<QMainWindow *>(ui::testing::widget(rt, {app::MainWindowName, {}}));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), u"Quillmere-（简约实用的网页开发系统） V1.0             Tavrin旗下插件"_s);
    QStringList titles;
    for (QAction *a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{u"  文件  "_s, u"  编辑  "_s, u"  插入  "_s, u"  工具"_s, u"  java特效"_s, u"   SQL  "_s,
                                   u"  选项"_s, u"  帮助  "_s}));
    EXPECT_EQ(rt.getBounds({app::MainWindowName, {}}, ui::Bound::Width), 702);
    EXPECT_EQ(rt.getBounds({app::MainWindowName, {}}, ui::Bound::Height), 604);
}

TEST_F(MainWindowTest, ExitMenuItemClosesTheWindow)
{
    ui::testing::menuAction(rt, {app::MainWindowName, u"文件/退出"_s})->trigger();
    EXPECT_TRUE(rt.isOpen(app::MainWindowName)); // destroyed only after the handler has returned
    QTRY_VERIFY(!rt.isOpen(app::MainWindowName));
}
