// SPDX-License-Identifier: GPL-3.0-or-later
// Documents in their encodings through the file menu: a UTF-8 page stays UTF-8 whatever is typed
// into it, a GB page stays GB, and the status bar counts and names what a save writes.
#include "support/main_window_fixture.h"

#include "document/editing.h"
#include "document/lifecycle.h"
#include "document/session.h"

using namespace testsupport;

namespace {

const QString Utf8Page = u"<html><head><meta charset=\"utf-8\"><title>网页</title></head>\r\n<body><p>欢迎</p>\r\n"_s;

class EncodingTest : public MainWindowFixture {
protected:
    void open(const QString &path)
    {
        script.answers = {QMessageBox::No};
        script.files = {{path}};
        click(u"文件/打开"_s);
    }
    void save(const QString &path, const QString &item = u"文件/保存"_s)
    {
        script.files = {{path}};
        click(item);
    }
    QString openWith(const QByteArray &bytes, const QString &name = u"in.html"_s)
    {
        const QString path = dir.filePath(name);
        putContent(path, bytes);
        open(path);
        return path;
    }
    void typeAtEnd(const QString &typed)
    {
        QTest::keyClick(ui::testing::widget(rt, editor()), Qt::Key_End, Qt::ControlModifier);
        type(typed);
    }
    QString toolTip() const { return rt.getPanelToolTip({Main, u"状态条1"_s}, 8); }
    /// The status bar's count is the length of the file a save writes.
    void expectCountMatches(const QString &saved)
    {
        const qint64 size = QFileInfo(saved).size();
        EXPECT_EQ(rt.getEditorByteLength(editor(), session().encoding()), size);
        EXPECT_EQ(panel(7), document::sizeInKilobytes(size));
    }
};

} // namespace

TEST_F(EncodingTest, ChineseTypedIntoAUtf8PageIsWrittenAsUtf8)
{
    const QByteArray page = Utf8Page.toUtf8();
    openWith(page);
    EXPECT_EQ(text(), Utf8Page); // read as UTF-8, not as GB
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    EXPECT_FALSE(toolTip().isEmpty());
    EXPECT_EQ(panel(7), document::sizeInKilobytes(page.size()));
    typeAtEnd(u"中文é"_s);
    const QString out = dir.filePath(u"out.html"_s);
    save(out);
    EXPECT_EQ(contentOf(out), page + u"中文é"_s.toUtf8()); // nothing else changed
    expectCountMatches(out);
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    EXPECT_FALSE(rt.editorHoldsRawBytes(editor()));
}

TEST_F(EncodingTest, ChineseTypedIntoAGbPageIsWrittenAsGb)
{
    const QByteArray page = core::textToBytes(u"<meta charset=\"gb2312\"><p>欢迎光临我们的网站</p>\r\n"_s);
    openWith(page);
    EXPECT_EQ(panel(8), QString());
    EXPECT_FALSE(toolTip().contains(u"gb2312"_s)) << toolTip().toStdString(); // no mismatch to explain
    typeAtEnd(u"中文"_s);
    const QString out = dir.filePath(u"out.html"_s);
    save(out);
    EXPECT_EQ(contentOf(out), page + QByteArray("\xD6\xD0\xCE\xC4"));
    expectCountMatches(out);
}

TEST_F(EncodingTest, AnAsciiPageDeclaringUtf8TakesChineseAsUtf8)
{
    openWith("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\r\n");
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    typeAtEnd(u"中"_s);
    const QString out = dir.filePath(u"out.html"_s);
    save(out);
    EXPECT_TRUE(contentOf(out).endsWith("\r\n\xE4\xB8\xAD"));
    expectCountMatches(out);
}

TEST_F(EncodingTest, SaveAsKeepsTheEncodingAndTheByteOrderMark)
{
    const QByteArray page = QByteArray("\xEF\xBB\xBF") + Utf8Page.toUtf8();
    openWith(page);
    EXPECT_EQ(text(), Utf8Page); // the mark is no character of the text
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    EXPECT_EQ(panel(7), document::sizeInKilobytes(page.size()));
    const QString copy = dir.filePath(u"copy.html"_s);
    save(copy, u"文件/另存为..."_s);
    EXPECT_EQ(contentOf(copy), page);
    expectCountMatches(copy);
    // Even with the whole text replaced by typing, the mark stays.
    rt.selectAllText(editor());
    type(u"新"_s);
    save(copy, u"文件/另存为..."_s);
    EXPECT_EQ(contentOf(copy), QByteArray("\xEF\xBB\xBF\xE6\x96\xB0"));
    expectCountMatches(copy);
}

TEST_F(EncodingTest, ADeclarationThatDisagreesIsNamedOnOpenAndSaveOnly)
{
    openWith(u"<meta charset=\"gb2312\"><p>欢迎</p>"_s.toUtf8());
    EXPECT_EQ(panel(8), u"≠gb2312"_s);
    EXPECT_TRUE(toolTip().contains(u"gb2312"_s)) << toolTip().toStdString();
    EXPECT_TRUE(toolTip().contains(u"UTF-8"_s));
    EXPECT_TRUE(toolTip().contains(u"浏览器"_s));
    // Correcting the declaration changes nothing until the next save.
    QTest::keyClick(ui::testing::widget(rt, editor()), Qt::Key_A, Qt::ControlModifier);
    type(u"<meta charset=\"utf-8\"><p>欢迎</p>"_s);
    EXPECT_EQ(panel(8), u"≠gb2312"_s);
    save(dir.filePath(u"fixed.html"_s));
    EXPECT_EQ(panel(8), u"UTF-8"_s);

    // GB bytes that declare UTF-8.
    openWith(core::textToBytes(u"<meta charset=\"utf-8\"><p>欢迎光临</p>"_s), u"gb.html"_s);
    EXPECT_EQ(session().encoding(), core::Encoding::Gb18030);
    EXPECT_EQ(panel(8), u"≠utf-8"_s);
    EXPECT_TRUE(toolTip().contains(u"GB18030"_s));
    EXPECT_TRUE(toolTip().contains(u"utf-8"_s));
}

TEST_F(EncodingTest, NewDocumentsAreGbAgain)
{
    openWith(Utf8Page.toUtf8());
    script.answers = {QMessageBox::No};
    click(u"文件/新建/新建html文件"_s);
    EXPECT_EQ(panel(8), QString());
    EXPECT_EQ(session().encoding(), core::Encoding::Gb18030);
    rt.setEditorText(editor(), {});
    type(u"中"_s);
    const QString out = dir.filePath(u"new.html"_s);
    save(out);
    EXPECT_EQ(contentOf(out), QByteArray("\xD6\xD0"));
    expectCountMatches(out);
}

TEST_F(EncodingTest, AFileThatCannotBeReadKeepsTheEncoding)
{
    openWith(Utf8Page.toUtf8());
    script.answers = {QMessageBox::No};
    script.files = {{dir.filePath(u"vanished.html"_s), true}};
    click(u"文件/打开"_s);
    EXPECT_EQ(session().encoding(), core::Encoding::Utf8);
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    EXPECT_EQ(text(), Utf8Page);
}

TEST_F(EncodingTest, RawBytesPastedIntoAUtf8PageAreWrittenAsThemselvesAndNamed)
{
    openWith(Utf8Page.toUtf8());
    // A lone surrogate of the escape range stands for one raw byte.
    rt.insertAtCaret(editor(), u"x"_s + QChar(char16_t(0xDC80 + 0x7F)) + u"y"_s);
    const QString out = dir.filePath(u"raw.html"_s);
    save(out);
    EXPECT_EQ(contentOf(out), QByteArray("x\xFFy") + Utf8Page.toUtf8());
    expectCountMatches(out);
    EXPECT_TRUE(panel(8).startsWith(u"UTF-8"_s));
    EXPECT_NE(panel(8), u"UTF-8"_s);
    EXPECT_TRUE(rt.editorHoldsRawBytes(editor()));
    // Undone, the raw byte is gone again, and so is the note at the next save.
    rt.sendEditorCommand(editor(), ui::EditorCommand::Undo);
    save(dir.filePath(u"undone.html"_s));
    EXPECT_EQ(contentOf(dir.filePath(u"undone.html"_s)), Utf8Page.toUtf8());
    EXPECT_EQ(panel(8), u"UTF-8"_s);
    // Opened again, the file no longer is UTF-8: it is read as GB18030, and loses nothing.
    open(out);
    EXPECT_EQ(session().encoding(), core::Encoding::Gb18030);
    const QString again = dir.filePath(u"again.html"_s);
    save(again);
    EXPECT_EQ(contentOf(again), contentOf(out));
}

TEST_F(EncodingTest, TheExitChecksSaveWritesUtf8)
{
    openWith(Utf8Page.toUtf8());
    typeAtEnd(u"再见"_s);
    const QString out = dir.filePath(u"exit.html"_s);
    script.answers = {QMessageBox::Yes};
    script.files = {{out}};
    rt.closeWindow(Main);
    ASSERT_EVENTUALLY(!rt.isOpen(Main));
    EXPECT_EQ(contentOf(out), (Utf8Page + u"再见"_s).toUtf8());
}

