// SPDX-License-Identifier: GPL-3.0-or-later
// The link and media dialogs driven as a user drives them: opened from the MainWindow's menu or
// toolbar, fields typed, buttons pressed, file dialogs answered; the document's text is compared
// with the exact markup expected.
#include "app/main_window.h"
#include "document/session.h"
#include "markup/anchor_dialog.h"
#include "markup/background_sound_dialog.h"
#include "markup/email_link_dialog.h"
#include "markup/flash_dialog.h"
#include "markup/hyperlink_dialog.h"
#include "markup/image_dialog.h"
#include "markup/media_dialog.h"
#include "markup/style_sheet_dialog.h"
#include "support/show_catcher.h"
#include "ui/definition_lint.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString MainWindow = u"MainWindow"_s;

/// Types text key by key; characters beyond ASCII arrive as key events carrying their text, as an
/// input method delivers them.
void typeInto(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class LinkMediaDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        rt.openWindow(main.definition(), false);
        rt.setEditorText(editor(), {});
    }
    void TearDown() override
    {
        // The document has been changed: answer the unsaved-changes question with "No".
        testsupport::ShowCatcher<QMessageBox> noToSave([](QMessageBox *box) {
            if (QAbstractButton *no = box->button(QMessageBox::No))
                no->click();
            else
                box->reject();
        });
        rt.onWindowShown = nullptr;
        rt.closeWindow(MainWindow);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !rt.isOpen(MainWindow); }));
    }

    const ui::ControlRef &editor() { return main.session().editor(); }
    QString document() { return rt.getEditorText(editor()); }
    QWidget *widget(const QString &dialog, const QString &unit) { return ui::testing::widget(rt, {dialog, unit}); }

    void type(const QString &dialog, const QString &unit, const QString &text)
    {
        QWidget *field = widget(dialog, unit);
        ASSERT_NE(field, nullptr) << qPrintable(unit);
        typeInto(field, text);
    }
    void press(const QString &dialog, const QString &unit)
    {
        QWidget *button = widget(dialog, unit);
        ASSERT_NE(button, nullptr) << qPrintable(unit);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString field(const QString &dialog, const QString &unit) { return rt.getFieldText({dialog, unit}); }

    void fromMenu(const QString &item)
    {
        QAction *action = ui::testing::menuAction(rt, {MainWindow, item});
        ASSERT_NE(action, nullptr) << qPrintable(item);
        action->trigger();
    }
    void fromToolbar(const QString &button, int page)
    {
        rt.setCurrentPage({MainWindow, u"新选择夹1"_s}, page);
        press(MainWindow, button);
    }

    /// Opens a dialog with `open` and runs `act` inside its modal loop once it shows. A dialog that
    /// `act` leaves open is closed (and reported) so that a failing case cannot hang the suite.
    void runDialog(const QString &dialog, const std::function<void()> &open, const std::function<void()> &act)
    {
        int shown = 0;
        rt.onWindowShown = [&](const QString &name) {
            if (name != dialog)
                return;
            ++shown;
            act();
            QTimer::singleShot(0, qApp, [this, dialog] {
                if (rt.isOpen(dialog)) {
                    ADD_FAILURE() << qPrintable(dialog) << " stayed open";
                    rt.closeWindow(dialog);
                }
            });
        };
        open();
        rt.onWindowShown = nullptr;
        EXPECT_EQ(shown, 1) << qPrintable(dialog);
        EXPECT_FALSE(rt.isOpen(dialog)) << qPrintable(dialog);
    }

    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

QString writeFile(const QTemporaryDir &dir, const QString &name)
{
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write("x");
    return f.fileName();
}

/// Types the file's path into the dialog's name field and confirms it, as the user does.
void choose(QFileDialog *fd, const QString &path)
{
    auto *name = fd->findChild<QLineEdit *>(u"fileNameEdit"_s);
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog *>(fd)->accept(); // runs QFileDialog's own check of the choice
}

/// The names a file dialog lists in the directory it shows.
QStringList listedNames(QFileDialog *fd)
{
    auto *view = fd->findChild<QListView *>(u"listView"_s);
    if (!view || !view->model())
        return {};
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

const QString FlashletText =
    u"flashlet={imageLinkTarget:'_blank',captionFont:'Verdana',titleFont:'Verdana',showControls:true,frameShow:false,"
    "slideDelay:5,captionSize:10,captionColor:#333333,titleSize:10,transitionsType:'Random',titleColor:#333333,"
    "slideAutoPlay:false,imageURLs:['img1.jpg','img2.jpg','img3.jpg'],slideLoop:false,frameThickness:2,"
    "imageLinks:['http://www.example.com/','http://www.example.com/','http://www.example.com/'],"
    "frameColor:#333333,bgColor:#FFFFFF,imageCaptions:[]}"_s;

QString flashBlock(const QString &path)
{
    return u"<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"http://download.example.com"
           "/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0\" width=\"400\" height=\"325\">\r\n"
           "<param name=\"flash_component\" value=\"ImageViewer.swc\">\r\n"
           "<param name=\"movie\" value=\"file:///"_s +
           path +
           u"\">\r\n"
           "<param name=\"quality\" value=\"high\">\r\n"
           "<param name=\"FlashVars\" value=\""_s +
           FlashletText + u"\">\r\n<embed src=\"file:///"_s + path + u"\" quality=\"high\" flashvars=\""_s + FlashletText +
           u"\" pluginspage=\"http://www.example.com/shockwave/download/index.cgi?P1_Prod_Version=ShockwaveFlash\" "
           "type=\"application/x-shockwave-flash\" width=\"400\" height=\"325\"></embed>\r\n"
           "</object>"_s;
}

const QString EmptyImage = u"<img src=\"\" width=\"\" height=\"\" align=\"\" border=\"\" alt=\"\" usemap=#>\r\n"
                           "<map name=>\r\n"
                           "<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"
                           "</map>"_s;

} // namespace

TEST(LinkMediaDialogDefinitions, AreSoundAndFixed)
{
    document::Session s(app::MainWindowName);
    for (const auto &def : {markup::hyperlinkDialog(s), markup::emailLinkDialog(s), markup::anchorDialog(s),
                            markup::imageDialog(s), markup::flashDialog(s), markup::mediaDialog(s),
                            markup::backgroundSoundDialog(s), markup::styleSheetDialog(s)}) {
        EXPECT_EQ(ui::lintDefinition(def), QStringList()) << qPrintable(def.name);
        EXPECT_EQ(def.frame, ui::Frame::Fixed) << qPrintable(def.name);
    }
}

TEST_F(LinkMediaDialogs, EveryOpenerOpensItsDialogAndTheCloseBoxInsertsNothing)
{
    struct Opener {
        QString menuItem, button;
        int page;
        QString dialog, caption;
        int width, height;
    };
    const std::vector<Opener> openers = {
        {u"插入/超级链接..."_s, u"超级按钮18"_s, 0, u"HyperlinkDialog"_s, u"超连接"_s, 380, 250},
        {{}, u"超级按钮19"_s, 0, u"EmailLinkDialog"_s, u"E-mail连接"_s, 380, 161},
        {{}, u"超级按钮20"_s, 0, u"AnchorDialog"_s, u"命名标记"_s, 380, 107},
        {u"插入/图片..."_s, u"超级按钮22"_s, 0, u"ImageDialog"_s, u"图片设置"_s, 380, 230},
        {u"插入/多媒体/flash"_s, u"超级按钮24"_s, 0, u"FlashDialog"_s, u"flash元素"_s, 382, 118},
        {{}, u"超级按钮36"_s, 4, u"FlashDialog"_s, u"flash元素"_s, 382, 118},
        {u"插入/多媒体/wmp"_s, u"超级按钮37"_s, 4, u"MediaDialog"_s, u"插入的mp媒体"_s, 380, 202},
        {u"插入/多媒体/背景音乐"_s, u"超级按钮38"_s, 4, u"BackgroundSoundDialog"_s, u"背景音乐"_s, 380, 208},
        {u"插入/加入以有的css"_s, {}, 0, u"StyleSheetDialog"_s, u"加入已有的css"_s, 380, 120},
    };
    const auto closeFromTitleBar = [this](const Opener &o) {
        QWidget *window = widget(o.dialog, {});
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), o.caption);
        EXPECT_EQ(rt.getBounds({o.dialog, {}}, ui::Bound::Width), o.width);
        EXPECT_EQ(rt.getBounds({o.dialog, {}}, ui::Bound::Height), o.height);
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a dialog cannot be resized";
        EXPECT_TRUE(window->isModal());
        type(o.dialog, u"编辑框1"_s, u"typed"_s);
        window->close();
    };
    for (const Opener &o : openers) {
        SCOPED_TRACE(qPrintable(o.dialog));
        if (!o.menuItem.isEmpty())
            runDialog(o.dialog, [&] { fromMenu(o.menuItem); }, [&] { closeFromTitleBar(o); });
        if (!o.button.isEmpty())
            runDialog(o.dialog, [&] { fromToolbar(o.button, o.page); }, [&] { closeFromTitleBar(o); });
    }
    EXPECT_EQ(document(), QString());
}

TEST_F(LinkMediaDialogs, ControlsSitWhereTheirDefinitionPutsThem)
{
    const ui::WindowDefinition def = markup::hyperlinkDialog(main.session());
    runDialog(def.name, [&] { fromMenu(u"插入/超级链接..."_s); }, [&] {
        for (const ui::ControlDef &c : def.controls) {
            if (!c.visible)
                continue;
            QWidget *w = widget(def.name, c.unit);
            ASSERT_NE(w, nullptr) << qPrintable(c.unit);
            EXPECT_EQ(w->geometry(), c.geometry) << qPrintable(c.unit);
        }
        const QFont urlFont = widget(def.name, u"标签1"_s)->font();
        EXPECT_TRUE(urlFont.bold());
        EXPECT_EQ(urlFont.pixelSize(), 12);
        auto *target = qobject_cast<QComboBox *>(widget(def.name, u"组合框1"_s));
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->count(), 4);
        EXPECT_EQ(target->currentText(), u"_top"_s);
        press(def.name, u"超级按钮7"_s);
    });
}

TEST_F(LinkMediaDialogs, EachDialogConfirmedAtOnceInsertsItsLiteralPieces)
{
    struct Case {
        QString dialog, menuItem, button, ok, expected;
    };
    const std::vector<Case> cases = {
        {u"HyperlinkDialog"_s, u"插入/超级链接..."_s, {}, u"超级按钮6"_s,
         u"<a href=\"\" title=\"\" target=\"_top\"></a> "_s},
        {u"EmailLinkDialog"_s, {}, u"超级按钮19"_s, u"超级按钮1"_s, u"<a href=\"mailto:?subject=\"></a>"_s},
        {u"AnchorDialog"_s, {}, u"超级按钮20"_s, u"超级按钮1"_s, u"<a name=\"\"></a>"_s},
        {u"ImageDialog"_s, u"插入/图片..."_s, {}, u"超级按钮2"_s, EmptyImage},
        {u"FlashDialog"_s, u"插入/多媒体/flash"_s, {}, u"超级按钮2"_s, flashBlock({})},
        {u"MediaDialog"_s, u"插入/多媒体/wmp"_s, {}, u"超级按钮2"_s, u"<embed src=\"\" width= height=></embed>"_s},
        {u"BackgroundSoundDialog"_s, u"插入/多媒体/背景音乐"_s, {}, u"超级按钮1"_s, u"<bgsound src=\"\" loop=>"_s},
        {u"StyleSheetDialog"_s, u"插入/加入以有的css"_s, {}, u"超级按钮1"_s,
         u"<link rel=\"stylesheet\" href=\"\" type=\"text/css\" />"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.dialog));
        rt.setEditorText(editor(), {});
        runDialog(
            c.dialog,
            [&] {
                if (c.menuItem.isEmpty())
                    fromToolbar(c.button, 0);
                else
                    fromMenu(c.menuItem);
            },
            [&] { press(c.dialog, c.ok); });
        EXPECT_EQ(document(), c.expected);
    }
}

TEST_F(LinkMediaDialogs, HyperlinkTakesFieldsAsTypedAndSchemesReplaceTheUrl)
{
    const QString d = u"HyperlinkDialog"_s;
    runDialog(d, [&] { fromToolbar(u"超级按钮18"_s, 0); }, [&] {
        type(d, u"编辑框1"_s, u"www"_s);
        press(d, u"超级按钮2"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), u"https://"_s);
        for (auto [button, scheme] : {std::pair{u"超级按钮1"_s, u"http://"_s}, std::pair{u"超级按钮3"_s, u"ftp://"_s},
                                      std::pair{u"超级按钮4"_s, u"mailto:"_s}, std::pair{u"超级按钮2"_s, u"https://"_s}}) {
            press(d, button);
            EXPECT_EQ(field(d, u"编辑框1"_s), scheme);
        }
        // A quote goes in unchanged, so the markup breaks: nothing is escaped or checked.
        type(d, u"编辑框1"_s, u"example.org/?q=\"x\""_s);
        type(d, u"编辑框2"_s, u" 首页 <b>"_s);
        // A target typed over the selected item goes in as typed.
        QWidget *target = widget(d, u"组合框1"_s);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        typeInto(target, u"myframe"_s);
        press(d, u"超级按钮6"_s);
    });
    EXPECT_EQ(document(), u"<a href=\"https://example.org/?q=\"x\"\" title=\" 首页 <b>\" target=\"myframe\"></a> "_s);
}

TEST_F(LinkMediaDialogs, HyperlinkTargetPickedFromTheList)
{
    const QString d = u"HyperlinkDialog"_s;
    runDialog(d, [&] { fromMenu(u"插入/超级链接..."_s); }, [&] {
        auto *target = qobject_cast<QComboBox *>(widget(d, u"组合框1"_s));
        ASSERT_NE(target, nullptr);
        target->showPopup();
        target->setCurrentIndex(2);
        target->hidePopup();
        press(d, u"超级按钮6"_s);
    });
    EXPECT_EQ(document(), u"<a href=\"\" title=\"\" target=\"_blank\"></a> "_s);
}

TEST_F(LinkMediaDialogs, ReopenedDialogShowsItsDefaultsAgain)
{
    const QString d = u"HyperlinkDialog"_s;
    runDialog(d, [&] { fromMenu(u"插入/超级链接..."_s); }, [&] {
        type(d, u"编辑框1"_s, u"a.html"_s);
        type(d, u"编辑框2"_s, u"title"_s);
        qobject_cast<QComboBox *>(widget(d, u"组合框1"_s))->setCurrentIndex(3);
        press(d, u"超级按钮7"_s);
    });
    EXPECT_EQ(document(), QString());
    runDialog(d, [&] { fromMenu(u"插入/超级链接..."_s); }, [&] {
        EXPECT_EQ(field(d, u"编辑框1"_s), QString());
        EXPECT_EQ(field(d, u"编辑框2"_s), QString());
        EXPECT_EQ(field(d, u"组合框1"_s), u"_top"_s);
        press(d, u"超级按钮7"_s);
    });
    const QString image = u"ImageDialog"_s;
    runDialog(image, [&] { fromMenu(u"插入/图片..."_s); }, [&] {
        type(image, u"编辑框6"_s, u"map"_s);
        qobject_cast<QComboBox *>(widget(image, u"组合框1"_s))->setCurrentIndex(1);
        press(image, u"超级按钮3"_s);
    });
    runDialog(image, [&] { fromMenu(u"插入/图片..."_s); }, [&] {
        EXPECT_EQ(field(image, u"编辑框6"_s), QString());
        EXPECT_EQ(field(image, u"组合框1"_s), QString()) << "the align combo starts with no item";
        press(image, u"超级按钮3"_s);
    });
    EXPECT_EQ(document(), QString());
}

TEST_F(LinkMediaDialogs, BrowseReplacesThePathOnlyWhenConfirmed)
{
    QTemporaryDir dir;
    const QString page = writeFile(dir, u"页面.html"_s);
    bool accept = false;
    testsupport::ShowCatcher<QFileDialog> answer([&](QFileDialog *fd) {
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(fd->nameFilters().size(), 1) << "no filter of its own, so every file is listed";
        EXPECT_TRUE(fd->nameFilters().value(0).endsWith(u"(*)"_s));
        if (!accept)
            return fd->reject();
        choose(fd, page);
    });
    const QString d = u"HyperlinkDialog"_s;
    runDialog(d, [&] { fromMenu(u"插入/超级链接..."_s); }, [&] {
        type(d, u"编辑框1"_s, u"typed.html"_s);
        press(d, u"超级按钮5"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), u"typed.html"_s) << "a cancelled browse keeps the typed path";
        accept = true;
        press(d, u"超级按钮5"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), page);
        accept = false;
        press(d, u"超级按钮5"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), page);
        press(d, u"超级按钮6"_s);
    });
    EXPECT_EQ(answer.count(), 3);
    EXPECT_EQ(document(), u"<a href=\""_s + page + u"\" title=\"\" target=\"_top\"></a> "_s);
}

TEST_F(LinkMediaDialogs, FlashBrowseListsEveryNameEndingInSwf)
{
    QTemporaryDir dir;
    const QString movie = writeFile(dir, u"movie.swf"_s);
    writeFile(dir, u"oldswf"_s);
    writeFile(dir, u"notes.txt"_s);
    testsupport::ShowCatcher<QFileDialog> answer([&](QFileDialog *fd) {
        EXPECT_EQ(fd->nameFilters(), (QStringList{u"flash文件 (*swf)"_s, u"所有文件 (*)"_s}));
        fd->setDirectory(dir.path());
        const QStringList expected{u"movie.swf"_s, u"oldswf"_s};
        EXPECT_TRUE(QTest::qWaitFor([&] { return listedNames(fd) == expected; }))
            << qPrintable(listedNames(fd).join(u", "));
        choose(fd, movie);
    });
    const QString d = u"FlashDialog"_s;
    runDialog(d, [&] { fromToolbar(u"超级按钮24"_s, 0); }, [&] {
        type(d, u"编辑框1"_s, u"C:\\old.swf"_s);
        press(d, u"超级按钮1"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), movie);
        press(d, u"超级按钮2"_s);
    });
    EXPECT_EQ(answer.count(), 1);
    EXPECT_EQ(document(), flashBlock(movie));
}

TEST_F(LinkMediaDialogs, FlashPathKeepsItsBackslashes)
{
    const QString d = u"FlashDialog"_s;
    runDialog(d, [&] { fromToolbar(u"超级按钮36"_s, 4); }, [&] {
        type(d, u"编辑框1"_s, u"C:\\动画\\a.swf"_s);
        press(d, u"超级按钮2"_s);
    });
    EXPECT_EQ(document(), flashBlock(u"C:\\动画\\a.swf"_s));
}

TEST_F(LinkMediaDialogs, StyleSheetBrowsePutsTheFullPathInTheLink)
{
    QTemporaryDir dir;
    const QString sheet = writeFile(dir, u"site.css"_s);
    testsupport::ShowCatcher<QFileDialog> answer([&](QFileDialog *fd) {
        EXPECT_EQ(fd->nameFilters(), (QStringList{u"css文件 (*.css)"_s, u"所有文件 (*)"_s}));
        choose(fd, sheet);
    });
    const QString d = u"StyleSheetDialog"_s;
    runDialog(d, [&] { fromMenu(u"插入/加入以有的css"_s); }, [&] {
        EXPECT_EQ(rt.getDialogFilter({d, u"通用对话框1"_s}), u"css文件|*.css|所有文件|*.*\r\n"_s);
        press(d, u"超级按钮3"_s);
        press(d, u"超级按钮1"_s);
    });
    EXPECT_EQ(answer.count(), 1);
    EXPECT_EQ(document(), u"<link rel=\"stylesheet\" href=\""_s + sheet + u"\" type=\"text/css\" />"_s);
}

TEST_F(LinkMediaDialogs, ImageBrowseUsesTheSharedDialogAsTheDocumentCommandsLeftIt)
{
    std::vector<QFileDialog::AcceptMode> modes;
    testsupport::ShowCatcher<QFileDialog> cancel([&](QFileDialog *fd) {
        modes.push_back(fd->acceptMode());
        fd->reject();
    });
    const QString d = u"ImageDialog"_s;
    const auto browseAndConfirm = [&] {
        type(d, u"编辑框1"_s, u"pic.png"_s);
        press(d, u"超级按钮1"_s);
        EXPECT_EQ(field(d, u"编辑框1"_s), u"pic.png"_s);
        press(d, u"超级按钮2"_s);
    };
    runDialog(d, [&] { fromToolbar(u"超级按钮22"_s, 0); }, browseAndConfirm);
    fromMenu(u"文件/保存"_s); // the save dialog, cancelled, leaves the shared dialog in save mode
    runDialog(d, [&] { fromMenu(u"插入/图片..."_s); }, browseAndConfirm);
    EXPECT_EQ(modes, (std::vector{QFileDialog::AcceptOpen, QFileDialog::AcceptSave, QFileDialog::AcceptSave}));
    const QString image = u"<img src=\"pic.png\" width=\"\" height=\"\" align=\"\" border=\"\" alt=\"\" usemap=#>\r\n"
                          "<map name=>\r\n"
                          "<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"
                          "</map>"_s;
    EXPECT_EQ(document(), image + image);
}

TEST_F(LinkMediaDialogs, ImageStepsReplaceTheSelectionBackToBack)
{
    rt.setEditorText(editor(), u"<p>[old]</p>"_s);
    auto *editor = qobject_cast<QsciScintilla *>(widget(MainWindow, u"超级编辑框1"_s));
    ASSERT_NE(editor, nullptr);
    editor->setSelection(0, 3, 0, 8);
    const QString d = u"ImageDialog"_s;
    runDialog(d, [&] { fromMenu(u"插入/图片..."_s); }, [&] {
        type(d, u"编辑框1"_s, u"a.gif"_s);
        type(d, u"编辑框2"_s, u"16"_s);
        type(d, u"编辑框3"_s, u"12"_s);
        type(d, u"组合框1"_s, u"middle"_s);
        type(d, u"编辑框4"_s, u"0"_s);
        type(d, u"编辑框5"_s, u"图标"_s);
        type(d, u"编辑框6"_s, u"nav"_s);
        press(d, u"超级按钮2"_s);
    });
    EXPECT_EQ(document(), u"<p><img src=\"a.gif\" width=\"16\" height=\"12\" align=\"middle\" border=\"0\" alt=\"图标\" "
                          "usemap=#nav>\r\n<map name=nav>\r\n<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"
                          "</map></p>"_s);
}

TEST_F(LinkMediaDialogs, FieldsGoWhereTheirLabelsSay)
{
    const QString email = u"EmailLinkDialog"_s;
    runDialog(email, [&] { fromToolbar(u"超级按钮19"_s, 0); }, [&] {
        type(email, u"编辑框1"_s, u"你好"_s);   // 文本：
        type(email, u"编辑框2"_s, u"a@b.cn"_s); // E-mail：
        press(email, u"超级按钮1"_s);
    });
    EXPECT_EQ(document(), u"<a href=\"mailto:a@b.cn?subject=你好\"></a>"_s);

    rt.setEditorText(editor(), {});
    const QString media = u"MediaDialog"_s;
    runDialog(media, [&] { fromToolbar(u"超级按钮37"_s, 4); }, [&] {
        type(media, u"编辑框1"_s, u"v.wmv"_s);
        type(media, u"编辑框2"_s, u"100"_s); // 高度：
        type(media, u"编辑框3"_s, u"200"_s); // 宽度：
        press(media, u"超级按钮2"_s);
    });
    EXPECT_EQ(document(), u"<embed src=\"v.wmv\" width=200 height=100></embed>"_s);
}

TEST_F(LinkMediaDialogs, AnchorAndEndlessBackgroundSound)
{
    const QString anchor = u"AnchorDialog"_s;
    runDialog(anchor, [&] { fromToolbar(u"超级按钮20"_s, 0); }, [&] {
        type(anchor, u"编辑框1"_s, u"top"_s);
        press(anchor, u"超级按钮1"_s);
    });
    const QString sound = u"BackgroundSoundDialog"_s;
    runDialog(sound, [&] { fromToolbar(u"超级按钮38"_s, 4); }, [&] {
        type(sound, u"编辑框1"_s, u"bg.mid"_s);
        type(sound, u"编辑框2"_s, u"-1"_s);
        press(sound, u"超级按钮1"_s);
    });
    EXPECT_EQ(document(), u"<a name=\"top\"></a><bgsound src=\"bg.mid\" loop=-1>"_s);
}
