// SPDX-License-Identifier: GPL-3.0-or-later
// Faults met while saving and opening, met as a user meets them: through the file menu of the
// real MainWindow, with the message boxes and file dialogs answered. Whatever goes wrong, the
// program keeps running, says what happened and where, leaves the old file's bytes as they were
// with no temporary file beside it, and keeps the text in the editor. The faults that need another
// process are in save_faults_test.cpp.
#include "document/document_fixture.h"
#include "document/editing.h"
#include "document/lifecycle.h"

#include <QElapsedTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace doctest;

namespace {

class FaultTest : public MainWindowFixture {
protected:
    /// Saves the editor's text through "文件/保存" to the path, accepted as given.
    void saveAs(const QString &path)
    {
        script.boxes.clear();
        script.files = {{path, true}};
        click(u"文件/保存"_s);
    }
    /// Opens the path through "文件/打开", answering the unsaved-changes question No.
    void open(const QString &path)
    {
        script.boxes.clear();
        script.answers = {QMessageBox::No};
        script.files = {{path, true}};
        click(u"文件/打开"_s);
    }
    /// The one report shown, after the question when there was one.
    void expectReport(const QString &title, const QString &path, const QString &reason)
    {
        ASSERT_FALSE(script.boxes.empty());
        const ShownBox &box = script.boxes.back();
        EXPECT_EQ(box.title, title);
        EXPECT_TRUE(box.text.contains(path)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(reason)) << box.text.toStdString();
        EXPECT_EQ(box.icon, QMessageBox::Warning);
    }
    void expectStatusMatchesText()
    {
        EXPECT_EQ(rt.getEditorByteLength(editor()), bytes().size());
        EXPECT_EQ(panel(7), document::sizeInKilobytes(bytes().size()));
    }
};

const QByteArray OldBytes = QByteArray("<p>old page</p>\r\n").repeated(200); // 3400 bytes

} // namespace

// Targets that are no files to save into: each is refused with its reason and nothing is written.
TEST_F(FaultTest, SaveTargetsThatAreNoFiles)
{
    const QString fifo = dir.filePath(u"pipe.html"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString folder = dir.filePath(u"folder.html"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString old = dir.filePath(u"old.html"_s);
    writeAll(old, OldBytes);
    // A device, named through a link (a name without an extension would get one added).
    const QString zeroLink = dir.filePath(u"zero.html"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, zeroLink));
    struct Case {
        QString path, reason;
    };
    const std::vector<Case> cases = {
        {folder, u"这是一个文件夹"_s},
        {fifo, u"这不是一个普通文件"_s}, // opening it for writing would wait for a reader forever
        {zeroLink, u"这不是一个普通文件"_s},
        {dir.filePath(QString(300, u'长') + u".html"_s), u"路径太长"_s},
        {dir.filePath(u"no-such-folder/page.html"_s), u"文件或文件夹不存在"_s},
        {old + u"/page.html"_s, u"路径中的某一部分不是文件夹"_s},
    };
    rt.setEditorText(editor(), u"<p>new</p>"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        saveAs(c.path);
        expectReport(u"保存失败"_s, c.path, c.reason);
    }
    EXPECT_EQ(readAll(old), OldBytes);
    EXPECT_EQ(entries(dir.path()), (QStringList{u"folder.html"_s, u"old.html"_s, u"pipe.html"_s, u"zero.html"_s}));
    EXPECT_TRUE(entries(folder).isEmpty());
    EXPECT_EQ(text(), u"<p>new</p>"_s);
}

// Files that cannot be opened: each is refused promptly with its reason, the text stays.
TEST_F(FaultTest, OpenFilesThatCannotBeRead)
{
    const QString fifo = dir.filePath(u"pipe.html"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString huge = dir.filePath(u"huge.html"_s);
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(1) << 30)); // 1 GiB, sparse
    }
    struct Case {
        QString path, reason;
    };
    const std::vector<Case> cases = {
        {fifo, u"这不是一个普通文件"_s},
        {u"/dev/zero"_s, u"这不是一个普通文件"_s},
        {dir.path(), u"这是一个文件夹"_s},
        {huge, u"本程序最多打开 %1 MB 的文件"_s.arg(document::MaxOpenBytes >> 20)},
        {dir.filePath(QString(300, u'长') + u".html"_s), u"路径太长"_s},
    };
    rt.setEditorText(editor(), u"keep me"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QElapsedTimer took;
        took.start();
        open(c.path);
        EXPECT_LT(took.elapsed(), 10000);
        expectReport(u"打开失败"_s, c.path, c.reason);
        EXPECT_EQ(text(), u"keep me"_s);
    }
    EXPECT_EQ(entries(dir.path()), (QStringList{u"huge.html"_s, u"pipe.html"_s}));
}

// The file is there when the dialog shows it and gone when the program reads it.
TEST_F(FaultTest, OpenAFileRemovedAfterItWasChosen)
{
    const QString path = dir.filePath(u"fleeting.html"_s);
    writeAll(path, OldBytes);
    rt.setEditorText(editor(), u"keep me"_s);
    // Installed after the fixture's script, so it acts on the dialog first.
    testsupport::ShowCatcher<QFileDialog> remover([&](QFileDialog *) { QFile::remove(path); });
    open(path);
    EXPECT_EQ(remover.count(), 1);
    expectReport(u"打开失败"_s, path, u"文件或文件夹不存在"_s);
    EXPECT_EQ(text(), u"keep me"_s);
}

// Every byte value, in any order, comes back unchanged through the editor, and the status bar
// counts the bytes a save writes; an empty file gives an empty text and saves as zero bytes.
TEST_F(FaultTest, BinaryAndEmptyFilesComeBackByteForByte)
{
    QByteArray binary;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b)
            binary.append(char((b * 167 + round * 59) & 0xFF));
    binary.append(QByteArray("\0\0\r\n\r\r\n\x81\x30\x81", 10)); // NULs, lone CRs, a cut-off sequence
    const QString empty = dir.filePath(u"empty.html"_s);
    writeAll(empty, {});
    const QString bin = dir.filePath(u"binary.dat"_s);
    writeAll(bin, binary);
    // GB18030's byte order mark in front: text like any other, kept.
    const QByteArray marked = QByteArray("\x84\x31\x95\x33<p>\xc4\xe3</p>");
    const QString bom = dir.filePath(u"marked.html"_s);
    writeAll(bom, marked);

    for (const auto &[source, expected] :
         std::vector<std::pair<QString, QByteArray>>{{bin, binary}, {empty, {}}, {bom, marked}}) {
        SCOPED_TRACE(source.toStdString());
        open(source);
        ASSERT_EQ(script.boxes.size(), 1u) << "only the question: " << script.boxes.back().text.toStdString();
        EXPECT_EQ(bytes(), expected);
        expectStatusMatchesText();
        const QString copy = source + u".copy"_s;
        saveAs(copy);
        EXPECT_TRUE(script.boxes.empty());
        EXPECT_EQ(readAll(copy), expected);
        EXPECT_EQ(readAll(source), expected);
    }
    EXPECT_EQ(entries(dir.path()),
              (QStringList{u"binary.dat"_s, u"binary.dat.copy"_s, u"empty.html"_s, u"empty.html.copy"_s,
                           u"marked.html"_s, u"marked.html.copy"_s}));
}
