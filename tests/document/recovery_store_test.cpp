// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies on disk: what a copy holds comes back exactly, as of some moment, or not at all;
// the folder is the user's own, and a running process's copies are never offered to another.
#include "document/recovery_store.h"
#include "support/files.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace testsupport;
using document::CopyHeader;
using document::Change;
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
        EXPECT_EQ(decoded->header, c.header);
    }
}

// A base cut short anywhere, or with any byte changed, is no copy: never garbage or a mix.
TEST(RecoveryCopy, CutOrDamagedBasesAreRefused)
{
    const QByteArray good = document::encodeCopy({core::Encoding::Utf8, u"/p.html"_s}, mixedBuffer());
    for (qsizetype length = 0; length < good.size(); ++length)
        EXPECT_FALSE(document::decodeCopy(good.first(length))) << length;
    for (qsizetype at = 0; at < good.size(); ++at) {
        QByteArray bad = good;
        bad[at] = char(bad[at] ^ 0x20);
        EXPECT_FALSE(document::decodeCopy(bad)) << at;
    }
}

// The changes after the base replay to the text as of the last whole, undamaged change: a copy
// cut anywhere among them, or with any byte of one changed, gives the text as it was before that
// change, never a mix.
TEST(RecoveryCopy, ChangesReplayUpToTheFirstCutOrDamagedOne)
{
    // 𠮷 (four bytes in GB18030 as in UTF-8), a raw byte's escape, CR LF, a byte cut off.
    const QByteArray wide = "\xf0\xa0\xae\xb7"_ba, raw = "\xed\xb0\x81"_ba;
    struct Case {
        const char *what;
        QByteArray base;
        std::vector<std::tuple<qint64, qint64, QByteArray>> changes; // position, removed, inserted
    };
    const std::vector<Case> cases = {
        {"typing at the end", "<p>", {{3, 0, "a"}, {4, 0, "b"}, {5, 0, "</p>"}}},
        {"typing and deleting back and forth",
         "0123456789",
         {{5, 0, "xy"}, {0, 1, {}}, {9, 2, {}}, {0, 0, "\r\n"}, {4, 3, wide}, {2, 0, raw}}},
        {"from nothing, a line break and wide characters",
         {},
         {{0, 0, "\r\n"}, {2, 0, wide + wide}, {2, 4, {}}, {0, 2, raw + "\xc8"}}},
        {"everything removed, then a large insertion", mixedBuffer(), {{0, mixedBuffer().size(), {}}, {0, 0, QByteArray(6000, 'z')}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CopyHeader header{core::Encoding::Gb18030, u"/x.html"_s};
        QByteArray copy = document::encodeCopy(header, c.base);
        QByteArray chain = copy.last(16);
        std::vector<QByteArray> texts = {c.base}; // after each change
        std::vector<qsizetype> ends = {copy.size()}; // where each change ends in the copy
        for (const auto &[position, removed, inserted] : c.changes) {
            QByteArray changes;
            document::appendChange(changes, {position, removed, inserted});
            copy += document::sealChanges(changes, chain);
            ends.push_back(copy.size());
            texts.push_back(QByteArray(texts.back()).replace(position, removed, inserted));
        }
        EXPECT_EQ(document::decodeCopy(copy)->buffer, texts.back());
        const auto changesWhole = [&](qsizetype length) {
            return size_t(std::ranges::upper_bound(ends, length) - ends.begin() - 1);
        };
        for (qsizetype length = ends[0]; length < copy.size(); ++length)
            ASSERT_EQ(document::decodeCopy(copy.first(length))->buffer, texts[changesWhole(length)]) << "cut at " << length;
        for (qsizetype at = ends[0]; at < copy.size(); ++at) {
            QByteArray bad = copy;
            bad[at] = char(bad[at] ^ 0x01);
            ASSERT_EQ(document::decodeCopy(bad)->buffer, texts[changesWhole(at)]) << "damaged at " << at;
        }
    }
}

// The gap moves to each change and grows when an insertion needs room: the text stays the one
// the same changes make of a plain array.
TEST(RecoveryCopy, TheGapTextFollowsRandomChanges)
{
    QRandomGenerator rng(29);
    document::GapText text("start"_ba);
    QByteArray plain = "start"_ba;
    for (int i = 0; i < 3000; ++i) {
        const qint64 position = rng.bounded(plain.size() + 1);
        const qint64 removed = rng.bounded(int(std::min<qsizetype>(plain.size() - position, 40)) + 1);
        const QByteArray inserted(rng.bounded(i % 100 == 0 ? 20000 : 30), char('a' + i % 26));
        ASSERT_TRUE(text.replace(position, removed, inserted));
        plain.replace(position, removed, inserted);
        ASSERT_EQ(text.size(), plain.size());
    }
    EXPECT_FALSE(text.replace(plain.size() + 1, 0, "x")) << "beyond the end";
    EXPECT_FALSE(text.replace(plain.size() - 1, 2, {})) << "removing beyond the end";
    EXPECT_EQ(text.front().toByteArray() + text.back().toByteArray(), plain);
    EXPECT_EQ(text.take(), plain);
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
        writer.reset(mixedBuffer(), {core::Encoding::ShiftJis, u"/x/a.html"_s}, false);
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

// Lock files of processes that are gone are swept away at the start; a running process's stays.
TEST(RecoveryStore, SweepsTheLocksOfProcessesThatAreGone)
{
    QTemporaryDir dir;
    const QByteArray good = document::encodeCopy({}, "text");
    for (const char *name : {"pdead.lock", "pgone.lock", "plive.lock"})
        putContent(dir.filePath(QString::fromLatin1(name)), {});
    putContent(dir.filePath(u"pgone-0.copy"_s), good);
    const int live = ::open(QFile::encodeName(dir.filePath(u"plive.lock"_s)).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(live, LOCK_EX | LOCK_NB), 0);
    RecoveryStore store(dir.path());
    ASSERT_TRUE(store.isOn());
    const QStringList left = namesIn(dir.path());
    EXPECT_FALSE(left.contains(u"pdead.lock"_s));
    EXPECT_FALSE(left.contains(u"pgone.lock"_s));
    EXPECT_TRUE(left.contains(u"plive.lock"_s)) << "held by a running process";
    EXPECT_EQ(left.filter(u".lock"_s).size(), 2) << "that one and the store's own";
    ASSERT_EQ(store.orphans().size(), 1u) << "a copy whose owner's lock was swept is still offered";
    ::close(live);
}

// The writer keeps a copy only while the text differs from the safe one, and says why it failed.
TEST(CopyWriter, KeepsACopyOnlyOfUnsavedText)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"p1-0.copy"_s);
    CopyWriter writer(copy);
    using Then = CopyWriter::Then;
    const CopyHeader page{core::Encoding::Utf8, u"/page.html"_s};
    const auto changes = [](std::initializer_list<Change> list) {
        QByteArray out;
        for (const Change &c : list)
            document::appendChange(out, c);
        return out;
    };
    const QByteArray big(5 << 20, 'b'); // longer than the changes kept beside a small base
    struct Step {
        const char *what;
        std::function<void()> act;
        QByteArray copied; // the copy's text; none: no copy
    };
    const std::vector<Step> steps = {
        {"the start text is safe", [&] { writer.reset("start", {}, true); }, {}},
        {"typing makes a copy", [&] { writer.follow(changes({{5, 0, "!"}}), {}); }, "start!"},
        {"more typing is appended", [&] { writer.follow(changes({{0, 0, "<"}, {7, 0, ">"}}), {}); }, "<start!>"},
        {"back to the safe text: no copy", [&] { writer.follow(changes({{0, 1, {}}, {6, 1, {}}, {5, 1, {}}}), {}); }, {}},
        {"typing again", [&] { writer.follow(changes({{5, 0, "??"}}), {}); }, "start??"},
        {"another encoding chosen", [&] { writer.follow({}, page); }, "start??"},
        {"a long insertion", [&] { writer.follow(changes({{0, 0, big}}), page); }, big + "start??"},
        {"a change after it", [&] { writer.follow(changes({{0, 5 << 20, {}}}), page); }, "start??"},
        {"saved: the text is safe", [&] { writer.follow(changes({{0, 0, "."}}), page, Then::Safe); }, {}},
        {"typing after the save", [&] { writer.follow(changes({{0, 1, {}}}), page); }, "start??"},
        {"thrown away", [&] { writer.follow(changes({{0, 0, "x"}}), page, Then::Discard); }, {}},
        {"typing on after that", [&] { writer.follow(changes({{0, 0, "y"}}), page); }, "yxstart??"},
        {"a text read whole is kept at once", [&] { writer.reset("recovered", page, false); }, "recovered"},
    };
    for (const Step &s : steps) {
        s.act();
        writer.waitIdle();
        SCOPED_TRACE(s.what);
        ASSERT_EQ(QFile::exists(copy), !s.copied.isNull());
        EXPECT_EQ(writer.copyExists(), !s.copied.isNull());
        if (!s.copied.isNull()) {
            const auto read = RecoveryStore::read(copy);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->buffer, s.copied);
        }
    }
    EXPECT_EQ(RecoveryStore::read(copy)->header, page);
    EXPECT_TRUE(writer.takeFailure().isEmpty());

    // The folder gone: the failure is told once, the last copy's absence never taken for success.
    dir.remove();
    writer.follow(changes({{0, 0, "lost folder"}}), page);
    writer.waitIdle();
    EXPECT_EQ(writer.takeFailure(), u"文件或文件夹不存在"_s);
    EXPECT_TRUE(writer.takeFailure().isEmpty());
}
