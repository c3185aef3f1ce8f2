// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading files: the atomic replacement, links, rights and failures.
#include "core/files.h"
#include "support/files.h"
#include "support/privileges.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using testsupport::contentOf;
using testsupport::namesIn;
using testsupport::OpenFolder;
using testsupport::putContent;

namespace {

/// Runs the helper program, as the unprivileged user "nobody" when the tests run as root (root
/// is not stopped by missing write rights).
struct HelperRun {
    int exitCode = -1;
    QString out;
};
HelperRun runHelper(const QStringList &args, bool unprivileged)
{
    QProcess p;
    QString program = QStringLiteral(FILES_HELPER);
    QStringList all = args;
    OpenFolder copyDir;
    if (unprivileged && ::geteuid() == 0) {
        // The build folder may be closed to other users: run a copy from an open folder.
        const QString copy = copyDir.path(u"files_helper"_s);
        if (!QFile::copy(program, copy))
            return {};
        all = testsupport::asNobody() << copy << args;
        program = all.takeFirst();
    }
    p.start(program, all);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

} // namespace

TEST(WriteFileBytes, EmptyPathWritesNothing)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    EXPECT_FALSE(core::writeFileBytes({}, {"abc"}));
    EXPECT_TRUE(namesIn(dir.path()).isEmpty());
}

TEST(WriteFileBytes, CreatesAFileFromSeveralParts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"新文件.html"_s);
    EXPECT_TRUE(core::writeFileBytes(path, {"<html>", {}, "\r\n", QByteArray("\0\xff", 2)}));
    EXPECT_EQ(contentOf(path), QByteArray("<html>\r\n\0\xff", 10));
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"新文件.html"_s}); // no temporary file left over
    // An empty document writes an empty file.
    EXPECT_TRUE(core::writeFileBytes(path, {}));
    EXPECT_EQ(contentOf(path), QByteArray());
}

TEST(WriteFileBytes, ReplacesAnExistingFileEntirelyAndKeepsItsRights)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    putContent(path, QByteArray(10000, 'o'));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_TRUE(core::writeFileBytes(path, {"new"}));
    EXPECT_EQ(contentOf(path), "new");
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"page.html"_s});
}

TEST(WriteFileBytes, WritesThroughSymbolicLinksAndKeepsHardLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"target.html"_s), link = dir.filePath(u"link.html"_s);
    putContent(target, "old");
    ASSERT_TRUE(QFile::link(u"target.html"_s, link));
    EXPECT_TRUE(core::writeFileBytes(link, {"through the link"}));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), "through the link");

    const QString second = dir.filePath(u"second.html"_s);
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData()), 0);
    EXPECT_TRUE(core::writeFileBytes(second, {"both names"}));
    EXPECT_EQ(contentOf(target), "both names");
    struct stat a, b;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &a), 0);
    ASSERT_EQ(::stat(QFile::encodeName(second).constData(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(namesIn(dir.path()).size(), 3);
}

TEST(WriteFileBytes, RefusesFoldersAndWriteProtectedFiles)
{
    QTemporaryDir dir;
    EXPECT_FALSE(core::writeFileBytes(dir.path(), {"x"}));
    EXPECT_FALSE(core::writeFileBytes(dir.filePath(u"missing/file.html"_s), {"x"}));
    EXPECT_EQ(namesIn(dir.path()), QStringList());
}

TEST(WriteFileBytes, ReadOnlyFolder)
{
    // Root is not stopped by missing write rights: as root the writes run as "nobody".
    if (::geteuid() == 0)
        if (const QString &why = testsupport::otherUserRefusal(); !why.isEmpty())
            GTEST_SKIP() << "no process as another user here: " << why.toStdString();
    OpenFolder tmp;
    const QString folder = tmp.path(u"locked"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString writable = folder + u"/writable.html"_s, locked = folder + u"/locked.html"_s;
    putContent(writable, "old writable");
    putContent(locked, "old locked");
    ::chmod(QFile::encodeName(writable).constData(), 0666);
    ::chmod(QFile::encodeName(locked).constData(), 0444);
    ::chmod(QFile::encodeName(folder).constData(), 0555);

    // A new file cannot be made there.
    HelperRun run = runHelper({u"write"_s, folder + u"/new.html"_s, u"x"_s}, true);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"false\n"_s);
    // A write-protected file stays as it was.
    run = runHelper({u"write"_s, locked, u"new"_s}, true);
    EXPECT_EQ(run.out, u"false\n"_s);
    EXPECT_EQ(contentOf(locked), "old locked");
    // A file the user may write is written in place, as the folder takes no temporary file.
    run = runHelper({u"write"_s, writable, u"新的内容"_s}, true);
    EXPECT_EQ(run.out, u"true\n"_s);
    EXPECT_EQ(contentOf(writable), QByteArray("\xd0\xc2\xb5\xc4\xc4\xda\xc8\xdd"));
    EXPECT_EQ(namesIn(folder), (QStringList{u"locked.html"_s, u"writable.html"_s}));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST(WriteFileBytes, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    putContent(path, "the old page");
    // The file size limit stops the write half way.
    const HelperRun run = runHelper({u"write-limited"_s, path, u"100000"_s}, false);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"false\n"_s);
    EXPECT_EQ(contentOf(path), "the old page");
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"page.html"_s});
    // Within the limit the same write succeeds.
    EXPECT_EQ(runHelper({u"write-limited"_s, path, u"100"_s}, false).out, u"true\n"_s);
    EXPECT_EQ(contentOf(path), QByteArray(100, 'x'));
}

TEST(ReadFileBytes, ReadsRegularFilesOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.txt"_s);
    putContent(path, QByteArray("a\0b\xfe", 4));
    const core::ReadResult r = core::readFileBytes(path);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, QByteArray("a\0b\xfe", 4));
    EXPECT_FALSE(core::readFileBytes(dir.path()).ok);
    EXPECT_FALSE(core::readFileBytes(dir.filePath(u"missing"_s)).ok);
    EXPECT_FALSE(core::readFileBytes(path, 3).ok); // larger than allowed
    EXPECT_FALSE(core::readFileBytes(path, 3).why.isEmpty());
}

TEST(Files, ExistsAndRunDirectory)
{
    QTemporaryDir dir;
    EXPECT_TRUE(core::fileExists(dir.path()));
    EXPECT_FALSE(core::fileExists(dir.filePath(u"none"_s)));
    EXPECT_FALSE(core::fileExists({}));
    EXPECT_FALSE(core::runDirectory().endsWith(u'/'));
    EXPECT_TRUE(QFileInfo::exists(core::runDirectory() + u"/core_tests"_s));
}
