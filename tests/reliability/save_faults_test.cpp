// SPDX-License-Identifier: GPL-3.0-or-later
// The faults of saving that need another process (a file size limit, a small full file system,
// another user's rights), met with a document in each encoding the program keeps: the page is
// opened through 文件/打开, Chinese is typed into it, and saving it fails. The old bytes stay as
// they were with no temporary file beside them, the report names the file and the reason, and
// the editor keeps the text with what was typed, in the document's encoding.
//
// Each fault runs one test of this program as a child, in the set-up the fault needs; where the
// machine refuses that set-up (a container, a chroot, an ordinary user) the test skips with why.
#include "document/document_fixture.h"
#include "document/editing.h"
#include "document/state.h"
#include "support/privileges.h"

#include <QProcess>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace doctest;

namespace {

const char *const ChildDir = "QUILLMERE_FAULT_DIR";

/// A document in one of the encodings: the page on disk and what the status bar notes of it.
struct PageEncoding {
    const char *name;
    core::Encoding encoding;
    QString line; // the page is this line a hundred times
    QString note; // panel 8 while the document is in this encoding
    QByteArray bytes() const
    {
        const QString page = line.repeated(100);
        return encoding == core::Encoding::Gb18030 ? core::textToBytes(page) : page.toUtf8();
    }
};

// Printed by name, so that test names and reports do not carry the object's bytes.
void PrintTo(const PageEncoding &e, std::ostream *out) { *out << e.name; }

const PageEncoding Encodings[] = {
    {"Gb18030", core::Encoding::Gb18030, u"<p>旧的网页</p>\r\n"_s, {}},
    {"Utf8", core::Encoding::Utf8, u"<meta charset=\"utf-8\"><p>网页开发系统</p>\r\n"_s, u"UTF-8"_s},
};

/// The child's part: opens the page, types into it, fails to save it where the parent says.
class InChild : public MainWindowFixture, public ::testing::WithParamInterface<PageEncoding> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty(ChildDir))
            GTEST_SKIP() << "runs only as the child of its Faults test";
        MainWindowFixture::SetUp();
    }
    QString folder() const { return qEnvironmentVariable(ChildDir); }
    /// 60000 bytes of UTF-8, 40000 of GB18030: more than any of the faults leaves room for.
    static QString typed() { return u"中文"_s + QString(19998, u'中'); }

    void openAndType(const QString &path)
    {
        script.answers = {QMessageBox::No};
        script.files = {{path, true}};
        click(u"文件/打开"_s);
        ASSERT_EQ(document::documentEncoding(), GetParam().encoding);
        QTest::keyClick(ui::testing::widget(rt, editor()), Qt::Key_End, Qt::ControlModifier);
        type(typed().left(2));
        rt.insertAtCaret(editor(), typed().mid(2));
    }
    void expectSaveFails(const QString &path, const QString &reason)
    {
        script.boxes.clear();
        script.files = {{path, true}};
        click(u"文件/保存"_s);
        ASSERT_FALSE(script.boxes.empty());
        EXPECT_EQ(script.boxes.back().title, u"保存失败"_s);
        EXPECT_EQ(script.boxes.back().icon, QMessageBox::Warning);
        EXPECT_TRUE(script.boxes.back().text.contains(path)) << script.boxes.back().text.toStdString();
        EXPECT_TRUE(script.boxes.back().text.contains(reason)) << script.boxes.back().text.toStdString();
        expectTextKept();
    }
    void expectTextKept()
    {
        const PageEncoding &e = GetParam();
        EXPECT_EQ(text(), e.line.repeated(100) + typed());
        EXPECT_TRUE(document::isModified());
        EXPECT_EQ(document::documentEncoding(), e.encoding);
        EXPECT_EQ(panel(8), e.note);
        const qint64 count = e.bytes().size() + (e.encoding == core::Encoding::Gb18030 ? 40000 : 60000);
        EXPECT_EQ(rt.getEditorByteLength(editor(), e.encoding), count);
        EXPECT_EQ(panel(7), document::sizeInKilobytes(count));
    }
};

/// The parent's part: prepares a folder every user may enter, runs the child's test of the same
/// name and encoding in it behind the wrapper, and checks what is left on disk.
class Faults : public ::testing::TestWithParam<PageEncoding> {
protected:
    Faults() { ::chmod(QFile::encodeName(dir.path()).constData(), 0755); }
    QString path(const QString &name) const { return dir.filePath(name); }
    void putPage(const QString &name) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(GetParam().bytes()), GetParam().bytes().size());
    }
    QByteArray contentOf(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    QStringList namesIn(const QString &name = {}) const
    {
        return QDir(name.isEmpty() ? dir.path() : path(name))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    void expectChildPasses(const QStringList &wrapper = {})
    {
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString name = u"*/InChild.%1/%2"_s.arg(QString::fromLatin1(test->name()).section(u'/', 0, 0),
                                                       QString::fromLatin1(GetParam().name));
        QTemporaryDir home; // where Qt keeps the file dialog's settings, kept out of the folder
        ::chmod(QFile::encodeName(home.path()).constData(), 0777);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ChildDir), dir.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"HOME"_s, home.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        QStringList args = wrapper;
        args << QCoreApplication::applicationFilePath() << u"--gtest_filter="_s + name;
        child.start(args.takeFirst(), args);
        ASSERT_TRUE(child.waitForFinished(120000)) << "the child hangs";
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << "the child was ended by a signal:\n" << output.toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    }

    QTemporaryDir dir;
};

std::string encodingName(const ::testing::TestParamInfo<PageEncoding> &info) { return info.param.name; }

} // namespace

// A file size limit, as `ulimit -f` sets it: the write that passes it fails (rather than ending
// the program with SIGXFSZ) and is reported; the limit is set in the child alone.
TEST_P(InChild, SaveUnderAFileSizeLimit)
{
    openAndType(folder() + u"/page.html"_s);
    const rlimit limit{rlim_t(GetParam().bytes().size() + 4096), RLIM_INFINITY};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    expectSaveFails(folder() + u"/page.html"_s, u"文件超出了允许的大小"_s);
}

TEST_P(Faults, SaveUnderAFileSizeLimit)
{
    putPage(u"page.html"_s);
    expectChildPasses();
    EXPECT_EQ(contentOf(u"page.html"_s), GetParam().bytes());
    EXPECT_EQ(namesIn(), QStringList{u"page.html"_s});
}

// A file system that fills up during the write: a 64 KiB tmpfs mounted in the child's own mount
// namespace, holding the old page and a filler that leaves too little room for the new text.
TEST_P(InChild, SaveToAFullFileSystem)
{
    const QString small = folder() + u"/small"_s;
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k"), 0) << std::strerror(errno);
    writeAll(small + u"/page.html"_s, GetParam().bytes());
    writeAll(small + u"/filler"_s, QByteArray(40 * 1024, 'f'));
    openAndType(small + u"/page.html"_s);
    expectSaveFails(small + u"/page.html"_s, u"磁盘已满"_s);
    EXPECT_EQ(readAll(small + u"/page.html"_s), GetParam().bytes());
    EXPECT_EQ(entries(small), (QStringList{u"filler"_s, u"page.html"_s}));
    ::umount(QFile::encodeName(small).constData());
}

TEST_P(Faults, SaveToAFullFileSystem)
{
    if (const QString &why = testsupport::mountNamespaceRefusal(); !why.isEmpty())
        GTEST_SKIP() << "no mount namespace with a file system of its own here: " << why.toStdString();
    ASSERT_TRUE(QDir().mkdir(path(u"small"_s)));
    expectChildPasses({u"unshare"_s, u"--mount"_s, u"--propagation"_s, u"private"_s});
    EXPECT_TRUE(namesIn(u"small"_s).isEmpty()) << "the mount leaked out of the child";
}

// Rights hold only for an unprivileged user: the child runs as "nobody". It reads the page from a
// folder that takes new files, and may write neither it nor anything in the locked folder.
TEST_P(InChild, SaveWithoutRights)
{
    openAndType(folder() + u"/open/page.html"_s);
    expectSaveFails(folder() + u"/locked/new.html"_s, u"没有访问权限"_s);
    expectSaveFails(folder() + u"/locked/page.html"_s, u"没有访问权限"_s);
    expectSaveFails(folder() + u"/open/page.html"_s, u"没有访问权限"_s);
    // A file that may not be read is refused too, and the text stays.
    script.boxes.clear();
    script.answers = {QMessageBox::No};
    script.files = {{folder() + u"/open/secret.html"_s, true}};
    click(u"文件/打开"_s);
    ASSERT_FALSE(script.boxes.empty());
    EXPECT_EQ(script.boxes.back().title, u"打开失败"_s);
    EXPECT_TRUE(script.boxes.back().text.contains(u"没有访问权限"_s)) << script.boxes.back().text.toStdString();
    expectTextKept();
}

TEST_P(Faults, SaveWithoutRights)
{
    if (const QString &why = testsupport::otherUserRefusal(); !why.isEmpty())
        GTEST_SKIP() << "no child as another user here: " << why.toStdString();
    ASSERT_TRUE(QDir().mkdir(path(u"locked"_s)));
    ASSERT_TRUE(QDir().mkdir(path(u"open"_s)));
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"locked"_s)).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"open"_s)).constData(), 0777), 0);
    const QStringList pages = {u"locked/page.html"_s, u"open/page.html"_s, u"open/secret.html"_s};
    for (const QString &page : pages)
        putPage(page);
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"open/secret.html"_s)).constData(), 0600), 0);

    expectChildPasses(testsupport::asNobody());
    for (const QString &page : pages)
        EXPECT_EQ(contentOf(page), GetParam().bytes()) << page.toStdString();
    EXPECT_EQ(namesIn(u"locked"_s), QStringList{u"page.html"_s});
    EXPECT_EQ(namesIn(u"open"_s), (QStringList{u"page.html"_s, u"secret.html"_s}));
}

INSTANTIATE_TEST_SUITE_P(Encodings, InChild, ::testing::ValuesIn(Encodings), encodingName);
INSTANTIATE_TEST_SUITE_P(Encodings, Faults, ::testing::ValuesIn(Encodings), encodingName);
