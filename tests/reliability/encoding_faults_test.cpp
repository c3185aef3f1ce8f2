// SPDX-License-Identifier: GPL-3.0-or-later
// The faults of saving met with a UTF-8 document: the old UTF-8 bytes stay as they were, the
// editor keeps the text with what was typed into it, and the document stays UTF-8.
//
// As in the other fault tests, a fault that needs another process runs one test of this program
// as a child, in the set-up the fault needs.
#include "document/document_fixture.h"
#include "document/editing.h"
#include "document/state.h"
#include "support/files.h"

#include <QProcess>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace doctest;
using testsupport::contentOf;
using testsupport::namesIn;
using testsupport::putContent;

namespace {

const char *const ChildDir = "QUILLMERE_UTF8_FAULT_DIR";
const QString Page = u"<meta charset=\"utf-8\"><p>网页开发系统</p>\r\n"_s;
const QByteArray OldBytes = Page.toUtf8().repeated(100);

/// Runs one test of this program as a child with the folder in the environment and the wrapper
/// in front, and expects it to pass.
void expectChildPasses(const QString &test, const QString &folder, const QStringList &wrapper = {})
{
    QTemporaryDir home;
    ::chmod(QFile::encodeName(home.path()).constData(), 0777);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildDir), folder);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"HOME"_s, home.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args = wrapper;
    args << QCoreApplication::applicationFilePath() << u"--gtest_filter="_s + test;
    child.start(args.takeFirst(), args);
    ASSERT_TRUE(child.waitForFinished(120000)) << "the child hangs";
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

struct OpenFolder {
    OpenFolder() { ::chmod(QFile::encodeName(dir.path()).constData(), 0777); }
    QString path(const QString &name = {}) const { return name.isEmpty() ? dir.path() : dir.filePath(name); }
    QTemporaryDir dir;
};

/// The child's side: opens the UTF-8 page, types Chinese into it and fails to save it back.
class Utf8InChild : public MainWindowFixture {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty(ChildDir))
            GTEST_SKIP() << "runs only as the child of its Utf8Faults test";
        MainWindowFixture::SetUp();
    }
    QString folder() const { return qEnvironmentVariable(ChildDir); }

    void openTypeAndFailToSave(const QString &path, const QString &reason)
    {
        script.answers = {QMessageBox::No};
        script.files = {{path, true}};
        click(u"文件/打开"_s);
        ASSERT_EQ(document::documentEncoding(), core::Encoding::Utf8);
        QTest::keyClick(ui::testing::widget(rt, editor()), Qt::Key_End, Qt::ControlModifier);
        type(u"中文"_s);
        rt.insertAtCaret(editor(), QString(19998, u'中')); // 60000 bytes more in all
        script.boxes.clear();
        script.files = {{path, true}};
        click(u"文件/保存"_s);
        ASSERT_FALSE(script.boxes.empty());
        EXPECT_EQ(script.boxes.back().title, u"保存失败"_s);
        EXPECT_TRUE(script.boxes.back().text.contains(reason)) << script.boxes.back().text.toStdString();
        EXPECT_EQ(text(), Page.repeated(100) + u"中文"_s + QString(19998, u'中'));
        EXPECT_EQ(document::documentEncoding(), core::Encoding::Utf8);
        EXPECT_EQ(panel(8), u"UTF-8"_s);
        const qint64 count = OldBytes.size() + 60000;
        EXPECT_EQ(rt.getEditorByteLength(editor(), core::Encoding::Utf8), count);
        EXPECT_EQ(panel(7), document::sizeInKilobytes(count));
    }
};

} // namespace

TEST_F(Utf8InChild, SaveUnderAFileSizeLimit)
{
    const rlimit limit{rlim_t(OldBytes.size() + 4096), RLIM_INFINITY};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    openTypeAndFailToSave(folder() + u"/page.html"_s, u"文件超出了允许的大小"_s);
}

TEST(Utf8Faults, SaveUnderAFileSizeLimit)
{
    OpenFolder folder;
    putContent(folder.path(u"page.html"_s), OldBytes);
    expectChildPasses(u"Utf8InChild.SaveUnderAFileSizeLimit"_s, folder.path());
    EXPECT_EQ(contentOf(folder.path(u"page.html"_s)), OldBytes);
    EXPECT_EQ(namesIn(folder.path()), QStringList{u"page.html"_s});
}

TEST_F(Utf8InChild, SaveToAFullFileSystem)
{
    const QString small = folder() + u"/small"_s;
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k"), 0) << std::strerror(errno);
    const QString path = small + u"/page.html"_s;
    writeAll(path, OldBytes);
    writeAll(small + u"/filler"_s, QByteArray(40 * 1024, 'f'));
    openTypeAndFailToSave(path, u"磁盘已满"_s);
    EXPECT_EQ(readAll(path), OldBytes);
    EXPECT_EQ(entries(small), (QStringList{u"filler"_s, u"page.html"_s}));
    ::umount(QFile::encodeName(small).constData());
}

TEST(Utf8Faults, SaveToAFullFileSystem)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    OpenFolder folder;
    ASSERT_TRUE(QDir().mkdir(folder.path(u"small"_s)));
    expectChildPasses(u"Utf8InChild.SaveToAFullFileSystem"_s, folder.path(),
                      {u"unshare"_s, u"--mount"_s, u"--propagation"_s, u"private"_s});
}

TEST_F(Utf8InChild, SaveWithoutRights)
{
    openTypeAndFailToSave(folder() + u"/page.html"_s, u"没有访问权限"_s);
}

TEST(Utf8Faults, SaveWithoutRights)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to start the child as another user";
    OpenFolder folder;
    const QString page = folder.path(u"page.html"_s);
    putContent(page, OldBytes);
    ASSERT_EQ(::chmod(QFile::encodeName(page).constData(), 0644), 0); // readable, not writable by others
    expectChildPasses(u"Utf8InChild.SaveWithoutRights"_s, folder.path(),
                      {u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s});
    EXPECT_EQ(contentOf(page), OldBytes);
    EXPECT_EQ(namesIn(folder.path()), QStringList{u"page.html"_s});
}
