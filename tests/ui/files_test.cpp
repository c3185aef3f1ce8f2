// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading files: the atomic replacement, links, rights and failures.
#include "support/privileges.h"
#include "ui/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

/// Runs the helper program, as the unprivileged user "nobody" when the tests run as root (root
/// is not stopped by missing write rights).
struct HelperRun {
    int exitCode = -1;
    QString out;
};
HelperRun runHelper(const QStringList &args, bool unprivileged)
{
    QProcess p;
    QString program = QStringLiteral(RUNTIME_HELPER);
    QStringList all = args;
    QTemporaryDir copyDir;
    if (unprivileged && ::geteuid() == 0) {
        // The build folder may be closed to other users: run a copy from an open folder.
        ::chmod(QFile::encodeName(copyDir.path()).constData(), 0755);
        const QString copy = copyDir.filePath(u"runtime_helper"_s);
        if (!QFile::copy(program, copy))
            return {};
        all = QStringList{u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, copy} + args;
        program = u"setpriv"_s;
    }
    p.start(program, all);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

/// A temporary folder that the unprivileged user may enter.
struct OpenTemporaryDir {
    OpenTemporaryDir() { ::chmod(QFile::encodeName(dir.path()).constData(), 0755); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir{QDir::tempPath() + u"/quillmere-files-XXXXXX"_s};
};

} // namespace

TEST(WriteFileBytes, EmptyPathWritesNothing)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    EXPECT_FALSE(ui::writeFileBytes({}, {"abc"}));
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

TEST(WriteFileBytes, CreatesAFileFromSeveralParts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"新文件.html"_s);
    EXPECT_TRUE(ui::writeFileBytes(path, {"<html>", {}, "\r\n", QByteArray("\0\xff", 2)}));
    EXPECT_EQ(contentOf(path), QByteArray("<html>\r\n\0\xff", 10));
    EXPECT_EQ(entries(dir.path()), QStringList{u"新文件.html"_s}); // no temporary file left over
    // An empty document writes an empty file.
    EXPECT_TRUE(ui::writeFileBytes(path, {}));
    EXPECT_EQ(contentOf(path), QByteArray());
}

TEST(WriteFileBytes, ReplacesAnExistingFileEntirelyAndKeepsItsRights)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    put(path, QByteArray(10000, 'o'));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_TRUE(ui::writeFileBytes(path, {"new"}));
    EXPECT_EQ(contentOf(path), "new");
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(dir.path()), QStringList{u"page.html"_s});
}

TEST(WriteFileBytes, WritesThroughSymbolicLinksAndKeepsHardLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"target.html"_s), link = dir.filePath(u"link.html"_s);
    put(target, "old");
    ASSERT_TRUE(QFile::link(u"target.html"_s, link));
    EXPECT_TRUE(ui::writeFileBytes(link, {"through the link"}));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), "through the link");

    const QString second = dir.filePath(u"second.html"_s);
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData()), 0);
    EXPECT_TRUE(ui::writeFileBytes(second, {"both names"}));
    EXPECT_EQ(contentOf(target), "both names");
    struct stat a, b;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &a), 0);
    ASSERT_EQ(::stat(QFile::encodeName(second).constData(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(entries(dir.path()).size(), 3);
}

TEST(WriteFileBytes, RefusesFoldersAndWriteProtectedFiles)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ui::writeFileBytes(dir.path(), {"x"}));
    EXPECT_FALSE(ui::writeFileBytes(dir.filePath(u"missing/file.html"_s), {"x"}));
    EXPECT_EQ(entries(dir.path()), QStringList());
}

TEST(WriteFileBytes, ReadOnlyFolder)
{
    // Root is not stopped by missing write rights: as root the writes run as "nobody".
    if (::geteuid() == 0)
        if (const QString &why = testsupport::otherUserRefusal(); !why.isEmpty())
            GTEST_SKIP() << "no process as another user here: " << why.toStdString();
    OpenTemporaryDir tmp;
    const QString folder = tmp.path(u"locked"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString writable = folder + u"/writable.html"_s, locked = folder + u"/locked.html"_s;
    put(writable, "old writable");
    put(locked, "old locked");
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
    EXPECT_EQ(entries(folder), (QStringList{u"locked.html"_s, u"writable.html"_s}));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST(WriteFileBytes, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    put(path, "the old page");
    // The file size limit stops the write half way.
    const HelperRun run = runHelper({u"write-limited"_s, path, u"100000"_s}, false);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"false\n"_s);
    EXPECT_EQ(contentOf(path), "the old page");
    EXPECT_EQ(entries(dir.path()), QStringList{u"page.html"_s});
    // Within the limit the same write succeeds.
    EXPECT_EQ(runHelper({u"write-limited"_s, path, u"100"_s}, false).out, u"true\n"_s);
    EXPECT_EQ(contentOf(path), QByteArray(100, 'x'));
}

TEST(ReadFileBytes, ReadsRegularFilesOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.txt"_s);
    put(path, QByteArray("a\0b\xfe", 4));
    const ui::ReadResult r = ui::readFileBytes(path);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, QByteArray("a\0b\xfe", 4));
    EXPECT_FALSE(ui::readFileBytes(dir.path()).ok);
    EXPECT_FALSE(ui::readFileBytes(dir.filePath(u"missing"_s)).ok);
    EXPECT_FALSE(ui::readFileBytes(path, 3).ok); // larger than allowed
    EXPECT_FALSE(ui::readFileBytes(path, 3).why.isEmpty());
}

TEST(Files, ExistsAndRunDirectory)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ui::fileExists(dir.path()));
    EXPECT_FALSE(ui::fileExists(dir.filePath(u"none"_s)));
    EXPECT_FALSE(ui::fileExists({}));
    EXPECT_FALSE(ui::runDirectory().endsWith(u'/'));
    EXPECT_TRUE(QFileInfo::exists(ui::runDirectory() + u"/ui_tests"_s));
}
