// SPDX-License-Identifier: GPL-3.0-or-later
// Window titles as the window system sees them: the _NET_WM_NAME property that window managers,
// task bars and screen readers read on X11, for every kind of window the program shows. Each is
// exactly the window's caption, with nothing appended. Runs on a virtual X display.
#include "app/main_window.h"
#include "markup/add_option_dialog.h"
#include "markup/add_text_dialog.h"
#include "markup/anchor_dialog.h"
#include "markup/background_sound_dialog.h"
#include "markup/button_dialog.h"
#include "markup/caption_dialog.h"
#include "markup/date_dialog.h"
#include "markup/drop_down_dialog.h"
#include "markup/email_link_dialog.h"
#include "markup/flash_dialog.h"
#include "markup/form_dialog.h"
#include "markup/hyperlink_dialog.h"
#include "markup/image_dialog.h"
#include "markup/label_dialog.h"
#include "markup/media_dialog.h"
#include "markup/script_dialog.h"
#include "markup/style_sheet_dialog.h"
#include "markup/text_field_dialog.h"
#include "prefs/about_dialog.h"
#include "prefs/background_dialog.h"
#include "prefs/introduction_window.h"
#include "support/eventually.h"
#include "support/show_catcher.h"
#include "x11_names.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Main = u"MainWindow"_s;

class WindowTitles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::onX11())
            GTEST_SKIP() << "needs an X display: run through tests/app/on_virtual_display.sh";
        rt.openWindow(main.definition(), false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host(Main)));
    }
    void TearDown() override
    {
        testsupport::ShowCatcher<QMessageBox> declineSaving([](QMessageBox *box) {
            if (QAbstractButton *no = box->button(QMessageBox::No))
                no->click();
        });
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    QWidget *host(const QString &window) { return ui::testing::widget(rt, {window, {}}); }

    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

TEST_F(WindowTitles, EveryDefinedWindowShowsExactlyItsCaption)
{
    const std::string mainCaption = main.definition().caption.toStdString();
    EXPECT_EQ(testsupport::netWmName(host(Main)), mainCaption);
    EXPECT_EQ(testsupport::wmName(host(Main)), mainCaption);

    document::Session &s = main.session();
    std::vector<ui::WindowDefinition> windows = {
        markup::hyperlinkDialog(s), markup::emailLinkDialog(s), markup::anchorDialog(s),
        markup::imageDialog(s), markup::flashDialog(s), markup::mediaDialog(s),
        markup::backgroundSoundDialog(s), markup::styleSheetDialog(s), markup::formDialogDefinition(s),
        markup::textFieldDialogDefinition(s), markup::dropDownDialogDefinition(s), markup::buttonDialogDefinition(s),
        markup::labelDialogDefinition(s), markup::scriptDialogDefinition(s), markup::dateDialogDefinition(s),
        markup::captionDialogDefinition(s), markup::addTextDialogDefinition(), markup::addOptionDialogDefinition(),
        prefs::aboutDialog(), prefs::introductionWindow(), prefs::backgroundColourDialog(s),
    };
    // Windows defined later get the same treatment: nothing is done per window.
    windows.push_back({.name = u"FindReplace"_s, .caption = u"查找和替换"_s, .width = 300, .height = 200});
    windows.push_back({.name = u"GoToLine"_s, .caption = u"  转到行  "_s, .width = 200, .height = 100});
    windows.push_back({.name = u"Latin"_s, .caption = u"Quillmere"_s, .width = 200, .height = 100});
    for (const ui::WindowDefinition &def : windows) {
        SCOPED_TRACE(def.name.toStdString());
        rt.openWindow(def, false);
        QWidget *w = host(def.name);
        ASSERT_TRUE(w);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_EQ(w->windowTitle(), def.caption);
        EXPECT_EQ(testsupport::netWmName(w), def.caption.toStdString());
        EXPECT_EQ(testsupport::wmName(w), def.caption.toStdString());
        rt.closeWindow(def.name);
        ASSERT_EVENTUALLY(!rt.isOpen(def.name));
    }
}

struct Seen {
    std::string title, netWmName, wmName;
};
Seen seenOf(QWidget *w)
{
    return {w->windowTitle().toStdString(), testsupport::netWmName(w), testsupport::wmName(w)};
}

TEST_F(WindowTitles, MessageBoxesAndFileAndFontDialogsShowExactlyTheirTitles)
{
    std::vector<Seen> seen;
    {
        testsupport::ShowCatcher<QMessageBox> boxes([&](QMessageBox *box) {
            seen.push_back(seenOf(box));
            box->buttons().front()->click();
        });
        rt.showMessage(u"文件已经被修改，是否保存？"_s, ui::MbYesNoCancel | ui::MbIconQuestion, u"询问"_s);
        rt.showMessage(u"客服"_s, ui::MbOk); // no caption given
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].netWmName, "询问");
    EXPECT_EQ(seen[0].wmName, "询问");
    EXPECT_EQ(seen[1].netWmName, "信息：");
    EXPECT_EQ(seen[1].wmName, "信息：");

    seen.clear();
    const ui::ControlRef fileDialog{Main, u"通用对话框1"_s};
    {
        testsupport::ShowCatcher<QDialog> dialogs([&](QDialog *d) {
            seen.push_back(seenOf(d));
            d->reject();
        });
        for (int mode : {ui::OpenFileMode, ui::SaveFileMode, ui::FontMode}) {
            rt.setDialogMode(fileDialog, mode);
            rt.showFileDialog(fileDialog);
        }
    }
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen &s : seen) {
        EXPECT_FALSE(s.title.empty());
        EXPECT_EQ(s.netWmName, s.title);
        EXPECT_EQ(s.wmName, s.title);
    }
    EXPECT_EQ(seen[2].netWmName, "字体");
}

} // namespace
