// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "prefs/about_dialog.h"
#include "prefs/background_dialog.h"
#include "prefs/commands.h"
#include "prefs/introduction_window.h"
#include "support/show_catcher.h"
#include "ui/code_editor.h"
#include "ui/colour_picker.h"
#include "ui/definition_lint.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class PrefsWindowsTest : public testsupport::MainWindowFixture {
protected:
    using MainWindowFixture::click;
    void click(const ui::ControlRef &button)
    {
        auto *b = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, button));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    template <class W> W *control(const QString &window, const QString &unit)
    {
        return qobject_cast<W *>(ui::testing::widget(rt, {window, unit}));
    }
};

} // namespace

TEST(PrefsDefinitions, AreSound)
{
    document::Session s(app::MainWindowName);
    for (const ui::WindowDefinition &def : {prefs::backgroundColourDialog(s), prefs::aboutDialog(), prefs::introductionWindow()}) {
        SCOPED_TRACE(def.name.toStdString());
        EXPECT_EQ(ui::lintDefinition(def), QStringList());
    }
}

TEST_F(PrefsWindowsTest, BackgroundColourAppliesOnEachOkAndStaysAfterCancel)
{
    const QString dlg = prefs::BackgroundDialogName;
    int shown = 0;
    rt.onWindowShown = [&](const QString &name) {
        if (name != dlg)
            return;
        ++shown;
        EXPECT_EQ(rt.getBounds({dlg, {}}, ui::Bound::Width), 321);
        EXPECT_EQ(rt.getBounds({dlg, {}}, ui::Bound::Height), 191);
        EXPECT_EQ(ui::testing::widget(rt, {dlg, {}})->windowTitle(), u"背景设置"_s);
        EXPECT_EQ(control<QLabel>(dlg, u"标签1"_s)->text(), u"编辑区背景设置："_s);
        auto *picker = control<ui::ColourPicker>(dlg, u"颜色选择器1"_s);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->parentWidget(), ui::testing::widget(rt, {dlg, u"分组框1"_s}));
        // Picked from the drop-down palette as the user does.
        picker->menu()->findChild<QToolButton *>(u"colour0000ff"_s)->click();
        EXPECT_EQ(rt.getPickedColour({dlg, u"颜色选择器1"_s}), 0x0000FFu);
        EXPECT_EQ(rt.getEditorBackground(editor()), 0xFFFFFFu); // nothing applied before "确定"
        click({dlg, u"超级按钮1"_s});
        EXPECT_EQ(codeEditor()->paper(), QColor(255, 0, 0));
        picker->choose(0x00FF00);
        click({dlg, u"超级按钮1"_s});
        EXPECT_EQ(codeEditor()->paper(), QColor(0, 255, 0));
        EXPECT_TRUE(rt.isOpen(dlg));
        click({dlg, u"超级按钮2"_s});
    };
    click(u"选项/背景设置"_s);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(rt.isOpen(dlg));
    EXPECT_EQ(rt.getEditorBackground(editor()), 0x00FF00u);
    EXPECT_EQ(codeEditor()->paper(), QColor(0, 255, 0));
}

TEST_F(PrefsWindowsTest, AutomaticBackgroundRestoresTheSystemColourAndTheCloseBoxKeepsIt)
{
    const QString dlg = prefs::BackgroundDialogName;
    rt.onWindowShown = [&](const QString &name) {
        if (name != dlg)
            return;
        auto *picker = control<ui::ColourPicker>(dlg, u"颜色选择器1"_s);
        EXPECT_EQ(picker->colour(), ui::ColourPicker::StartColour); // the picker's own start, not the editor's
        picker->choose(0x00FFFF);
        click({dlg, u"超级按钮1"_s});
        picker->menu()->findChild<QPushButton *>(u"automatic"_s)->click();
        EXPECT_EQ(rt.getPickedColour({dlg, u"颜色选择器1"_s}), ui::DefaultColour);
        click({dlg, u"超级按钮1"_s});
        ui::testing::widget(rt, {dlg, {}})->close();
    };
    click(u"选项/背景设置"_s);
    EXPECT_FALSE(rt.isOpen(dlg));
    EXPECT_EQ(codeEditor()->paper(), QApplication::palette().color(QPalette::Base));
}

TEST_F(PrefsWindowsTest, AboutDialogShowsItsTextsAndClosesOnOk)
{
    const QString dlg = prefs::AboutDialogName;
    int shown = 0;
    rt.onWindowShown = [&](const QString &name) {
        if (name != dlg)
            return;
        ++shown;
        EXPECT_EQ(ui::testing::widget(rt, {dlg, {}})->windowTitle(), u"关于..."_s);
        EXPECT_EQ(rt.getBounds({dlg, {}}, ui::Bound::Width), 380);
        EXPECT_EQ(rt.getBounds({dlg, {}}, ui::Bound::Height), 272);
        const std::pair<const char16_t *, const char16_t *> labels[] = {
            {u"标签1", u"软件名称： QuillmereV1.0"},
            {u"标签2", u"软件版本：1.0"},
            {u"标签4", u"Quillmere可以建立普通网页和ASP网页。内容设有html标签，asp等标签，还有css编辑，vb,java等常用插件的直接调用和"
                      u"自己设计，而且还可以把自己找到的网页特效收集在本软件，方便调用，让你在网页编辑时得心应手。"},
            {u"标签5", u"当然，软件也还存在许多不足，这里期待着你的提出和建议，以便本软件能更好的帮助你工作，最后感谢你使用本软件！"},
        };
        for (const auto &[unit, text] : labels) {
            auto *label = control<QLabel>(dlg, QString::fromUtf16(unit));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(core::textToBytes(label->text()), core::textToBytes(QString::fromUtf16(text)));
        }
        auto *group = control<QGroupBox>(dlg, u"分组框1"_s);
        EXPECT_EQ(group->title(), u"功能介绍："_s);
        EXPECT_EQ(control<QLabel>(dlg, u"标签4"_s)->parentWidget(), group);
        click({dlg, u"超级按钮1"_s});
    };
    click(u"帮助/关于"_s);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(rt.isOpen(dlg));
}

TEST_F(PrefsWindowsTest, IntroductionShowsItsFiveLinesAgainAfterTyping)
{
    const QString win = prefs::IntroductionWindowName;
    const QByteArray expected = core::textToBytes(
        u"还在为不会网页编写而发愁吗？\r\n我们将会帮助你，傻瓜版的编写一个网页代码\r\n只要你选择你要插入的项目，那么你就只用填写弹出来的设置框就"
        u"可以了，软件会自动在面板生成代码，傻瓜版，人人都会，一步上手！\r\n无需繁琐的代码，这些交给软件来完成，你只用插入，设置，然后生"
        u"成代码就可以了！做好以后就可以直接做成一个网页！\r\n不懂可以联系客服 \r\n"_s);
    int shown = 0;
    rt.onWindowShown = [&](const QString &name) {
        if (name != win)
            return;
        ++shown;
        EXPECT_EQ(ui::testing::widget(rt, {win, {}})->windowTitle(), u"简介"_s);
        EXPECT_EQ(rt.getBounds({win, {}}, ui::Bound::Width), 380);
        EXPECT_EQ(rt.getBounds({win, {}}, ui::Bound::Height), 250);
        EXPECT_EQ(core::textToBytes(rt.getFieldText({win, u"编辑框1"_s})), expected);
        auto *box = control<QPlainTextEdit>(win, u"编辑框1"_s);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->font().pixelSize(), 20);
        EXPECT_TRUE(box->font().bold());
        QTest::keyClicks(box, u"typed"_s);
        EXPECT_NE(core::textToBytes(rt.getFieldText({win, u"编辑框1"_s})), expected);
        rt.closeWindow(win);
    };
    click({app::MainWindowName, u"按钮2"_s});
    EXPECT_FALSE(rt.isOpen(win));
    click({app::MainWindowName, u"按钮2"_s});
    EXPECT_EQ(shown, 2);
}

TEST_F(PrefsWindowsTest, SupportMessageFromMenuAndButton)
{
    click(u"帮助/即时帮助"_s);
    click({app::MainWindowName, u"按钮1"_s});
    ASSERT_EQ(script.boxes.size(), 2u);
    for (const testsupport::ShownBox &box : script.boxes) {
        EXPECT_EQ(box.title, u"信息："_s);
        EXPECT_EQ(box.text, prefs::SupportContactText);
        EXPECT_FALSE(box.text.contains(u'\n'));
        EXPECT_TRUE(box.text.contains(u"@example.com"_s));
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
    }
}
