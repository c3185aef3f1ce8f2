// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies on disk: what a copy holds comes back exactly or not at all, the folder is the
// user's own, and a running process's copies are never offered to another.
#include "document/recovery_store.h"
#include "support/files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace testsupport;
using document::CopyHeader;
using document::CopyWriter;
using document::RecoveryStore;

namespace {

/// Every byte value, the escape of a raw byte (ED B0 80) and a cut-off sequence among text.
QByteArray mixedBuffer()
{
    QByteArray b = "<p>\xe4\xbd\xa0\xe5\xa5\xbd</p>\r\n\xed\xb0\x80\xed\xb3\xbf\xc8"_ba;
    for (int i = 0; i < 256; ++i)
        b.append(char(i));
    return b;
}

mode_t modeOf(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

} // namespace

TEST(RecoveryCopy, HoldsTheBufferEncodingAndFileExactly)
{
    struct Case {
        CopyHeader header;
        QByteArray buffer;
    };
    const std::vector<Case> cases = {
        {{core::Encoding::Gb18030, {}}, {}},
        {{core::Encoding::Big5, u"/home/用户/页 面.html"_s}, mixedBuffer()},
        {{core::Encoding::Windows1252, u"/a.asp"_s}, QByteArray(3 << 20, 'x')},
    };
    for (const Case &c : cases) {
        const auto decoded = document::decodeCopy(document::encodeCopy(c.header, c.buffer));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->buffer, c.buffer);
        EXPECT_EQ(decoded->header.encoding, c.header.encoding);
        EXPECT_EQ(decoded->header.path, c.header.path);
    }
}

// A copy cut short anywhere, or with any byte changed, is no copy: never garbage or a mix.
TEST(RecoveryCopy, CutOrDamagedCopiesAreRefused)
{
    const QByteArray good = document::encodeCopy({core::Encoding::Utf8, u"/p.html"_s}, mixedBuffer());
    for (qsizetype length = 0; length < good.size(); ++length)
        EXPECT_FALSE(document::decodeCopy(good.first(length))) << length;
    for (qsizetype at = 0; at < good.size(); ++at) {
        QByteArray bad = good;
        bad[at] = char(bad[at] ^ 0x20);
        EXPECT_FALSE(document::decodeCopy(bad)) << at;
    }
    EXPECT_FALSE(document::decodeCopy(good + "x"));
}

// Made private, and refused with a reason when it cannot be the user's own.
TEST(RecoveryFolder, IsMadePrivateOrRecoveryIsOff)
{
    QTemporaryDir home;
    const QString folder = home.filePath(u"state/quillmere/recovery"_s);
    {
        RecoveryStore store(folder);
        ASSERT_TRUE(store.isOn()) << store.whyOff().toStdString();
        EXPECT_EQ(modeOf(folder), 0700u);
        EXPECT_EQ(modeOf(QFileInfo(folder).path()), 0700u);
        EXPECT_EQ(namesIn(folder).size(), 1); // the lock
    }
    EXPECT_TRUE(namesIn(folder).isEmpty()) << "the lock goes with a process that leaves no copy";

    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_TRUE(RecoveryStore(folder).isOn());
    EXPECT_EQ(modeOf(folder), 0700u);

    const QString file = home.filePath(u"file"_s);
    putContent(file, "x");
    struct Case {
        QString folder, why;
    };
    std::vector<Case> cases = {{file, u"它不是文件夹"_s}, {file + u"/recovery"_s, u"路径中的某一部分不是文件夹"_s}};
    if (::geteuid() == 0) { // another user's folder can be made only by root
        const QString foreign = home.filePath(u"foreign"_s);
        QDir().mkpath(foreign);
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        cases.push_back({foreign, u"这个文件夹属于其他用户"_s});
    }
    for (const Case &c : cases) {
        RecoveryStore store(c.folder);
        EXPECT_FALSE(store.isOn()) << c.folder.toStdString();
        EXPECT_EQ(store.whyOff(), c.why);
        EXPECT_TRUE(store.orphans().empty());
    }
}

// Copies of a running process are its own; once it is gone they are offered, taken by one
// process only, and discarded with their owner's lock.
TEST(RecoveryStore, OffersOnlyCopiesWhoseOwnerIsGone)
{
    QTemporaryDir dir;
    auto first = std::make_unique<RecoveryStore>(dir.path());
    {
        CopyWriter writer(first->copyPath(0));
        writer.write(mixedBuffer(), {core::Encoding::ShiftJis, u"/x/a.html"_s});
        writer.waitIdle();
        EXPECT_TRUE(writer.copyExists());
    }
    EXPECT_EQ(modeOf(first->copyPath(0)), 0600u);
    RecoveryStore second(dir.path());
    EXPECT_TRUE(second.orphans().empty()) << "the first process is still running";
    EXPECT_TRUE(first->orphans().empty()) << "never one's own";
    first.reset();

    const auto orphans = second.orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].header.path, u"/x/a.html"_s);
    EXPECT_EQ(orphans[0].size, mixedBuffer().size());
    RecoveryStore third(dir.path());
    ASSERT_TRUE(second.adopt(orphans[0], 0));
    EXPECT_FALSE(third.adopt(orphans[0], 0)) << "taken once only";
    EXPECT_TRUE(third.orphans().empty()) << "now the second process's own";
    EXPECT_EQ(RecoveryStore::read(second.copyPath(0))->buffer, mixedBuffer());

    // Gone again: discarded, nothing of its owner stays.
    const QString secondsCopy = second.copyPath(0);
    QFile::rename(secondsCopy, dir.filePath(u"pdeadbeef-3.copy"_s));
    const auto left = third.orphans();
    ASSERT_EQ(left.size(), 1u);
    third.discard(left[0]);
    EXPECT_TRUE(third.orphans().empty());
}

// Parts of copies that a killed process was writing are never offered, and are swept away.
TEST(RecoveryStore, PartsAndStrangersAreNeverOffered)
{
    QTemporaryDir dir;
    const QByteArray good = document::encodeCopy({}, "text");
    putContent(dir.filePath(u"pdead-0.part"_s), good);
    putContent(dir.filePath(u"pdead-1.copy"_s), good.chopped(1));
    putContent(dir.filePath(u"notes.txt"_s), good);
    putContent(dir.filePath(u"pdead-2.copy"_s), good);
    RecoveryStore store(dir.path());
    const auto orphans = store.orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(QFileInfo(orphans[0].file).fileName(), u"pdead-2.copy"_s);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"pdead-0.part"_s)));
}

// The writer keeps a copy only while the text differs from the safe one, and says why it failed.
TEST(CopyWriter, KeepsACopyOnlyOfUnsavedText)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"p1-0.copy"_s);
    CopyWriter writer(copy);
    struct Step {
        const char *what;
        std::function<void()> act;
        bool copyAfter;
    };
    const std::vector<Step> steps = {
        {"the start text is safe", [&] { writer.setBaseline("start"); }, false},
        {"typing makes a copy", [&] { writer.write("start!", {}); }, true},
        {"undoing to the safe text removes it", [&] { writer.write("start", {}); }, false},
        {"typing again", [&] { writer.write("start!!", {}); }, true},
        {"a save: the new text is safe", [&] { writer.setBaseline("start!!"); }, false},
        {"typing after the save", [&] { writer.write("start!!?", {}); }, true},
        {"thrown away", [&] { writer.remove(); }, false},
        {"a recovered text is always kept", [&] { writer.forgetBaseline(); writer.write("start!!", {}); }, true},
    };
    for (const Step &s : steps) {
        s.act();
        writer.waitIdle();
        EXPECT_EQ(QFile::exists(copy), s.copyAfter) << s.what;
        EXPECT_EQ(writer.copyExists(), s.copyAfter) << s.what;
    }
    EXPECT_EQ(RecoveryStore::read(copy)->buffer, "start!!"_ba);
    EXPECT_TRUE(writer.takeFailure().isEmpty());

    // The folder gone: the failure is told once, the last copy's absence never taken for success.
    dir.remove();
    writer.write("lost folder", {});
    writer.waitIdle();
    EXPECT_EQ(writer.takeFailure(), u"文件或文件夹不存在"_s);
    EXPECT_TRUE(writer.takeFailure().isEmpty());
}
