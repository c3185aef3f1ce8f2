// SPDX-License-Identifier: GPL-3.0-or-later
// Installing the skin engine and attaching a skin, watched from outside: each case copies a small
// driver (or the program itself) into an empty folder and starts it there.
#include "skins/catalogue.h"
#include "skins/engine/skin_image.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Library = u"SkinH_EL.dll"_s;
const QString MissingEntry = u"无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”"_s;
const QDateTime LongAgo(QDate(2001, 2, 3), QTime(4, 5, 6));

QByteArray bytesOf(skins::ByteBuffer b) { return QByteArray(reinterpret_cast<const char *>(b.bytes), qsizetype(b.count)); }

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void backdate(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

struct Outcome {
    int exitCode = -100;
    QString out;
    QString err;
};

/// A fresh folder holding a copy of the driver.
class Folder {
public:
    Folder() { EXPECT_TRUE(QFile::copy(QStringLiteral(SKIN_DRIVER_FILE), driver())); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QString driver() const { return path(u"skin_driver"_s); }
    QStringList entries() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    Outcome run(const QStringList &args) const
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.remove(u"LD_LIBRARY_PATH"_s);
        p.setProcessEnvironment(env);
        p.start(driver(), args);
        Outcome r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -200;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    QTemporaryDir dir;
};

struct Call {
    bool hasImage = false;
    int length = -1;
    QString text;
    QString ints;
    int editorLength = -2;
    QByteArray image;
};

/// The calls the recording engine saw, in order.
std::vector<Call> recordedCalls(const Folder &folder)
{
    const QByteArray log = fileBytes(folder.path(u"skin-calls.bin"_s));
    static const QRegularExpression header(
        u"^call image=(set|null) length=(-?\\d+) text=\\[(.*)\\] ints=([-\\d,]+) editor=(-?\\d+)$"_s);
    std::vector<Call> calls;
    qsizetype at = 0;
    while (at < log.size()) {
        const qsizetype end = log.indexOf('\n', at);
        if (end < 0)
            break;
        const auto m = header.match(QString::fromUtf8(log.mid(at, end - at)));
        if (!m.hasMatch())
            break;
        Call c{m.captured(1) == u"set"_s, m.captured(2).toInt(), m.captured(3), m.captured(4), m.captured(5).toInt(), {}};
        at = end + 1;
        if (c.hasImage && c.length > 0) {
            c.image = log.mid(at, c.length);
            at += c.length;
        }
        at += 1; // the line break after the bytes
        calls.push_back(c);
    }
    return calls;
}

/// The editor's text length the driver reported after start-up, or -1.
int editorLengthAfterStart(const Outcome &r)
{
    static const QRegularExpression editor(u"editor=(\\d+)"_s);
    const auto m = editor.match(r.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString windowColourOf(int n)
{
    const auto image = skins::skinImage(n);
    const auto c = *skinimage::decode(image.bytes, image.count)->colour(skinimage::Role::Window);
    return QColor(c.r, c.g, c.b).name();
}

} // namespace

TEST(SkinInstall, FirstStartWritesTheCarriedLibraryThenAttachesTheStartSkin)
{
    Folder folder;
    const Outcome r = folder.run({u"start"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray carried = bytesOf(skins::skinEngineImage());
    ASSERT_GT(carried.size(), 1000);
    EXPECT_EQ(fileBytes(folder.path(Library)), carried);
    // POSIX has no hidden bit: the library keeps its name (it is found by it), stays writable for
    // its owner, and nothing else is left behind.
    EXPECT_EQ(folder.entries(), (QStringList{Library, u"skin_driver"_s}));
    EXPECT_TRUE(QFileInfo(folder.path(Library)).permissions() & QFileDevice::WriteOwner);
    // The real engine attached skin 28, and the template was written after.
    EXPECT_TRUE(r.out.contains(u"window="_s + windowColourOf(skins::StartSkin))) << r.out.toStdString();
    EXPECT_GT(editorLengthAfterStart(r), 0) << r.out.toStdString();
}

TEST(SkinInstall, TheProgramItselfWritesTheLibraryAtStart)
{
    Folder folder;
    const QString program = folder.path(u"quillmere"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLMERE_FILE), program));
    QProcess p;
    p.setWorkingDirectory(folder.dir.path());
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    p.setProcessEnvironment(env);
    p.start(program, {});
    ASSERT_TRUE(p.waitForStarted());
    const QByteArray carried = bytesOf(skins::skinEngineImage());
    // The file appears complete or not at all (it is written beside and renamed).
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(folder.path(Library)); }, 60000));
    EXPECT_EQ(fileBytes(folder.path(Library)), carried);
    EXPECT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
    p.kill();
    p.waitForFinished();
}

TEST(SkinInstall, ALaterStartLeavesAnExistingFileUntouched)
{
    Folder folder;
    ASSERT_EQ(folder.run({u"start"_s}).exitCode, 0);
    const QString library = folder.path(Library);
    backdate(library);
    const Outcome second = folder.run({u"start"_s});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(fileBytes(library), bytesOf(skins::skinEngineImage()));
    EXPECT_EQ(QFileInfo(library).lastModified(), LongAgo);

    // Another library of that name is neither compared nor replaced: it is the one that is called.
    Folder other;
    const QString recorder = other.path(Library);
    ASSERT_TRUE(QFile::copy(QStringLiteral(RECORDING_ENGINE_FILE), recorder));
    backdate(recorder);
    const QByteArray before = fileBytes(recorder);
    ASSERT_NE(before, bytesOf(skins::skinEngineImage()));
    const Outcome r = other.run({u"start"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(fileBytes(recorder), before);
    EXPECT_EQ(QFileInfo(recorder).lastModified(), LongAgo);
    EXPECT_EQ(recordedCalls(other).size(), 1u);
}

TEST(SkinInstall, ADirectoryOfThatNameIsLeftAloneAndTheStartEndsInTheFatalError)
{
    Folder folder;
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir(Library));
    QFile inside(folder.path(Library + u"/keep.txt"_s));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("keep");
    inside.close();

    const Outcome r = folder.run({u"start"_s});
    EXPECT_EQ(r.exitCode, 255); // -1
    EXPECT_TRUE(r.err.contains(MissingEntry)) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"box: "_s) && r.out.contains(MissingEntry)) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(u"editor="_s)); // the MainWindow never became usable
    EXPECT_TRUE(QFileInfo(folder.path(Library)).isDir());
    EXPECT_EQ(QDir(folder.path(Library)).entryList(QDir::Files), QStringList{u"keep.txt"_s});
}

TEST(SkinInstall, ALibraryThatCannotBeLoadedOrLacksTheEntryPointIsFatal)
{
    const std::vector<std::pair<const char *, QByteArray>> cases = {
        {"no entry point", fileBytes(QStringLiteral(NO_ENTRY_ENGINE_FILE))},
        {"not a library", QByteArray("MZ this is no library at all")},
        {"empty file", QByteArray()},
    };
    for (const auto &[what, bytes] : cases) {
        SCOPED_TRACE(what);
        Folder folder;
        QFile f(folder.path(Library));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        for (const QStringList &args : {QStringList{u"start"_s}, QStringList{u"apply"_s, u"5"_s}}) {
            const Outcome r = folder.run(args);
            EXPECT_EQ(r.exitCode, 255);
            EXPECT_TRUE(r.err.contains(MissingEntry)) << r.err.toStdString();
            EXPECT_EQ(fileBytes(folder.path(Library)), bytes);
        }
    }
}

TEST(SkinApply, PassesTheSkinsBytesOrANullAddressAndLengthZero)
{
    Folder folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(RECORDING_ENGINE_FILE), folder.path(Library)));
    const std::vector<int> numbers = {0, 34, -1, 28, 1, 33};
    for (int n : numbers)
        ASSERT_EQ(folder.run({u"apply"_s, QString::number(n)}).exitCode, 0) << n;
    const auto calls = recordedCalls(folder);
    ASSERT_EQ(calls.size(), numbers.size());
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int n = numbers[i];
        SCOPED_TRACE(n);
        const Call &c = calls[i];
        EXPECT_EQ(c.text, QString());
        EXPECT_EQ(c.ints, u"0,0,0"_s);
        if (n < 1 || n > 33) {
            EXPECT_FALSE(c.hasImage);
            EXPECT_EQ(c.length, 0);
        } else {
            EXPECT_TRUE(c.hasImage);
            EXPECT_EQ(c.length, int(skins::skinImage(n).count));
            EXPECT_EQ(c.image, bytesOf(skins::skinImage(n)));
        }
    }

    // At start: exactly one call, with skin 28, before the template reaches the editor.
    Folder starting;
    ASSERT_TRUE(QFile::copy(QStringLiteral(RECORDING_ENGINE_FILE), starting.path(Library)));
    const Outcome r = starting.run({u"start"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto startCalls = recordedCalls(starting);
    ASSERT_EQ(startCalls.size(), 1u);
    EXPECT_EQ(startCalls[0].image, bytesOf(skins::skinImage(skins::StartSkin)));
    EXPECT_EQ(startCalls[0].editorLength, 0);
    EXPECT_GT(editorLengthAfterStart(r), 0) << r.out.toStdString();
}
