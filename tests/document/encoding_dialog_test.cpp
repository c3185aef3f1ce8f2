// SPDX-License-Identifier: GPL-3.0-or-later
// The "文字编码" window end to end: a file read again in the encoding chosen, a text kept and saved
// in another with its declarations rewritten as one undo step, and a save refused before anything
// is written when the encoding cannot hold the text.
#include "support/main_window_fixture.h"

#include "document/encoding_dialog.h"
#include "ui/definition_lint.h"

#include <QAbstractButton>

using namespace testsupport;

namespace {

const QString Window = u"EncodingDialog"_s;
const ui::ControlRef List{Window, u"列表框1"_s};
const QString Reopen = u"按钮1"_s, SaveIn = u"按钮2"_s;

int indexOf(core::Encoding e) { return int(std::ranges::find(core::AllEncodings, e) - core::AllEncodings.begin()); }

class EncodingWindow : public MainWindowFixture {
protected:
    /// Opens the window with Ctrl+Shift+E, checks the document's encoding is the one selected,
    /// then selects the encoding and presses the button.
    void choose(core::Encoding encoding, const QString &button)
    {
        bool shown = false;
        rt.onWindowShown = [&](const QString &name) {
            if (name != Window)
                return;
            shown = true;
            EXPECT_EQ(rt.getListIndex(List), indexOf(session().encoding()));
            rt.setListIndex(List, indexOf(encoding));
            qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {Window, button}))->click();
            if (rt.isOpen(Window))
                rt.closeWindow(Window);
        };
        press(ui::testing::widget(rt, editor()), u"Ctrl+Shift+E"_s);
        rt.onWindowShown = nullptr;
        EXPECT_TRUE(shown);
        EXPECT_FALSE(rt.isOpen(Window));
    }
    QString openWith(const QByteArray &bytes)
    {
        const QString path = dir.filePath(u"in.html"_s);
        putContent(path, bytes);
        script.answers = {QMessageBox::No};
        script.files = {{path}};
        click(u"文件/打开"_s);
        script.answers.clear();
        return path;
    }
    QByteArray saved(const QString &name = u"out.html"_s)
    {
        const QString path = dir.filePath(name);
        script.files = {{path}};
        click(u"文件/保存"_s);
        return contentOf(path);
    }
    QString toolTip() const { return rt.getPanelToolTip({Main, u"状态条1"_s}, 8); }
    QString lastBox() const { return script.boxes.empty() ? QString() : script.boxes.back().text; }
};

} // namespace

TEST_F(EncodingWindow, ReopenReadsTheFileAgainInTheChosenEncoding)
{
    EXPECT_EQ(ui::lintDefinition(document::encodingWindow(session())), QStringList());
    EXPECT_TRUE(toolTip().contains(u"新文档"_s)) << toolTip().toStdString();
    EXPECT_TRUE(toolTip().contains(u"Ctrl+Shift+E"_s));
    // A new document has no file to read again.
    const QString page = text();
    choose(core::Encoding::Big5, Reopen);
    EXPECT_EQ(text(), page);
    EXPECT_EQ(session().encoding(), core::Encoding::Gb18030);
    EXPECT_TRUE(lastBox().contains(u"新文档"_s));

    // "中文" in Big5 is also valid GB (two kana): it opens as GB18030.
    const QByteArray big5 = "<p>\xA4\xA4\xA4\xE5</p>\r\n";
    openWith(big5);
    EXPECT_NE(text(), u"<p>中文</p>\r\n"_s);
    choose(core::Encoding::Big5, Reopen);
    EXPECT_EQ(text(), u"<p>中文</p>\r\n"_s);
    EXPECT_EQ(panel(8), u"Big5"_s);
    EXPECT_TRUE(toolTip().contains(u"选定"_s)) << toolTip().toStdString();
    EXPECT_EQ(saved(), big5);

    // A changed text is asked about first; Cancel keeps it, No reads the file.
    type(u"x"_s);
    const QString typed = text();
    const size_t before = script.boxes.size();
    script.answers = {QMessageBox::Cancel};
    choose(core::Encoding::Utf8, Reopen);
    ASSERT_EQ(script.boxes.size(), before + 1);
    EXPECT_EQ(lastBox(), u"文件已经被修改，是否保存？"_s);
    EXPECT_EQ(text(), typed);
    EXPECT_EQ(session().encoding(), core::Encoding::Big5);
    script.answers = {QMessageBox::No};
    choose(core::Encoding::Big5, Reopen);
    EXPECT_EQ(text(), u"<p>中文</p>\r\n"_s);
}

TEST_F(EncodingWindow, SaveInRewritesTheDeclarationsAsOneUndoStepWhenAsked)
{
    const QString page = u"<%@ CodePage=\"936\" %>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
                         u"charset=gb2312\">\r\n<p>欢迎</p>\r\n"_s;
    const QString rewritten = u"<%@ CodePage=\"65001\" %>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
                              u"charset=utf-8\">\r\n<p>欢迎</p>\r\n"_s;
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        openWith(core::textToBytes(page));
        script.answers = {yes ? QMessageBox::Yes : QMessageBox::No};
        choose(core::Encoding::Utf8, SaveIn);
        EXPECT_EQ(lastBox(), u"是否同时修改网页中的编码声明？"_s);
        EXPECT_EQ(text(), yes ? rewritten : page);
        EXPECT_EQ(panel(8), yes ? u"UTF-8"_s : u"≠gbk"_s);
        EXPECT_EQ(saved(), (yes ? rewritten : page).toUtf8());
        if (yes) { // one undo takes the whole rewrite back
            click(u"编辑/撤消"_s);
            EXPECT_EQ(text(), page);
        }
    }
}

TEST_F(EncodingWindow, ASaveTheEncodingCannotHoldWritesNothing)
{
    openWith(core::textToBytes(u"<p>caf\u00E9</p>\r\n<p>中文</p>\r\n"_s));
    const QString out = dir.filePath(u"out.html"_s);
    putContent(out, "old");
    choose(core::Encoding::Windows1252, SaveIn);
    EXPECT_EQ(saved(), "old");
    EXPECT_EQ(script.boxes.back().title, u"保存失败"_s);
    EXPECT_TRUE(lastBox().contains(u"第 2 行：“中”（U+4E2D）"_s)) << lastBox().toStdString();
    EXPECT_EQ(namesIn(dir.path()), (QStringList{u"in.html"_s, u"out.html"_s})); // no half-written file
    choose(core::Encoding::Gb18030, SaveIn);
    EXPECT_EQ(saved(), core::textToBytes(text()));
}
