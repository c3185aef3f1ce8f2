// SPDX-License-Identifier: GPL-3.0-or-later
// The MainWindow keeping its document's recovery copy: kept while there is unsaved work, gone
// once the work is saved or thrown away, kept when a save meant to keep it did not happen; and
// the "恢复未保存的文档" window putting a copy back exactly.
#include "document/recovery_dialog.h"
#include "support/main_window_fixture.h"
#include "support/privileges.h"

#include <QListWidget>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

using namespace testsupport;
using document::RecoveryStore;

namespace {

/// A state folder and this process's recovery store in it, made before the MainWindow.
struct RecoveryState {
    explicit RecoveryState(const QString &folder) : store(std::make_unique<RecoveryStore>(folder.isEmpty() ? state.path() : folder)) {}
    QTemporaryDir state;
    std::unique_ptr<RecoveryStore> store;
};

/// The MainWindow keeping its recovery copies in a state folder of the test's own.
class RecoveryTest : protected RecoveryState, public MainWindowFixture {
protected:
    explicit RecoveryTest(const QString &folder = {}) : RecoveryState(folder), MainWindowFixture(store.get()) {}
    document::Recovery &recovery() { return *session().recovery(); }
    /// What the timer does, done now, and waited for.
    bool keptCopy()
    {
        QCoreApplication::processEvents();
        recovery().keep(rt);
        if (document::CopyWriter *writer = recovery().writer()) // none while recovery is off
            writer->waitIdle();
        return QFile::exists(store->copyPath(0));
    }
    /// Leaves a copy as a process that is gone leaves it.
    void leaveCopy(const QByteArray &buffer, const document::CopyHeader &header)
    {
        RecoveryStore gone(state.path());
        document::CopyWriter writer(gone.copyPath(0));
        writer.reset(buffer, header, false);
    }
};

class RecoveryLeaving;
/// Ways of leaving unsaved work, and whether its copy must stay.
struct Leaving {
    const char *what;
    std::function<void(RecoveryLeaving &)> act;
    bool copyStays;
};

void PrintTo(const Leaving &l, std::ostream *os) { *os << l.what; }

class RecoveryLeaving : public RecoveryTest, public ::testing::WithParamInterface<Leaving> {
public:
    // The cases' steps, open to them.
    using MainWindowFixture::click;
    using MainWindowFixture::dir;
    using MainWindowFixture::rt;
    using MainWindowFixture::script;
    using MainWindowFixture::session;
};

} // namespace

TEST_P(RecoveryLeaving, TheCopyGoesOnlyWithWorkSavedOrThrownAway)
{
    EXPECT_FALSE(keptCopy()) << "the start text is no unsaved work";
    type(u"z"_s);
    ASSERT_TRUE(keptCopy());
    EXPECT_EQ(RecoveryStore::read(store->copyPath(0))->buffer, rt.getEditorBuffer(session().editor()).toByteArray());
    GetParam().act(*this);
    if (rt.isOpen(Main)) {
        EXPECT_EQ(keptCopy(), GetParam().copyStays);
        script.answers = {QMessageBox::Yes}; // and the save cancelled: nothing thrown away
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    recovery().writer()->waitIdle();
    EXPECT_EQ(QFile::exists(store->copyPath(0)), GetParam().copyStays);
}

namespace {

void closeMain(RecoveryLeaving &t)
{
    t.rt.closeWindow(Main);
    ASSERT_EVENTUALLY(!t.rt.isOpen(Main));
}

const Leaving leavings[] = {
    {"saved", [](RecoveryLeaving &t) { t.script.files = {{t.dir.filePath(u"saved.html"_s)}}; t.click(u"文件/保存"_s); }, false},
    {"新建, 否", [](RecoveryLeaving &t) { t.script.answers = {QMessageBox::No}; t.click(u"文件/新建/新建css文件"_s); }, false},
    {"打开, 否",
     [](RecoveryLeaving &t) {
         const QString page = t.dir.filePath(u"page.html"_s);
         putContent(page, "<p>on disk</p>");
         t.script.answers = {QMessageBox::No};
         t.script.files = {{page}};
         t.click(u"文件/打开"_s);
     },
     false},
    {"新建, 是, save cancelled", [](RecoveryLeaving &t) { t.script.answers = {QMessageBox::Yes}; t.click(u"文件/新建/新建html文件"_s); }, true},
    {"打开, 是, save failed",
     [](RecoveryLeaving &t) {
         t.script.answers = {QMessageBox::Yes};
         t.script.files = {{t.dir.filePath(u"missing/x.html"_s), true}};
         t.click(u"文件/打开"_s);
     },
     true},
    {"typed back to the start text",
     [](RecoveryLeaving &t) { t.rt.sendEditorCommand(t.session().editor(), ui::EditorCommand::Undo); }, false},
    {"exit, 否", [](RecoveryLeaving &t) { t.script.answers = {QMessageBox::No}; closeMain(t); }, false},
    {"exit, 是, save cancelled", [](RecoveryLeaving &t) { t.script.answers = {QMessageBox::Yes}; closeMain(t); }, true},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Each, RecoveryLeaving, ::testing::ValuesIn(leavings));

// Two windows of one process keep a copy each.
TEST_F(RecoveryTest, EachWindowKeepsItsOwnCopy)
{
    const QString secondName = u"MainWindow2"_s;
    app::MainWindow second({}, secondName, store.get());
    rt.openWindow(second.definition(), false);
    ASSERT_EVENTUALLY(rt.isOpen(secondName));
    type(u"first"_s);
    rt.insertAtCaret(second.session().editor(), u"second"_s);
    QCoreApplication::processEvents();
    for (document::Session *s : {&session(), &second.session()}) {
        s->recovery()->keep(rt);
        s->recovery()->writer()->waitIdle();
    }
    const QStringList copies = namesIn(state.path()).filter(u".copy"_s);
    ASSERT_EQ(copies.size(), 2);
    const QByteArray a = RecoveryStore::read(state.filePath(copies[0]))->buffer,
                     b = RecoveryStore::read(state.filePath(copies[1]))->buffer;
    EXPECT_TRUE((a.contains("first") && b.contains("second")) || (a.contains("second") && b.contains("first")));
    script.answers = {QMessageBox::No};
    rt.closeWindow(secondName);
    ASSERT_EVENTUALLY(!rt.isOpen(secondName));
}

/// An answer in the "恢复未保存的文档" window, over two copies left by processes that are gone.
struct Answering {
    const char *what;
    QString button;
    std::vector<QMessageBox::StandardButton> answers;
    size_t copiesLeft;
    bool textRestored;
};

void PrintTo(const Answering &a, std::ostream *os) { *os << a.what; }

namespace {

const QByteArray OnDisk = "<p>\xa4\xa4</p>"_ba;
// Big5 text with bytes that are no Big5, carried raw, one as itself and one as its escape: they
// come back as they were.
const QByteArray Restored = "<p>\xe4\xb8\xad</p>\x81\xed\xb0\x81 "_ba;

class RecoveryWindow : public RecoveryTest, public ::testing::WithParamInterface<Answering> {
protected:
    void SetUp() override
    {
        putContent(page(), OnDisk);
        leaveCopy("<p>older</p>", {});
        QTest::qWait(1100); // the newest is listed first, by its time of change
        leaveCopy(Restored, {core::Encoding::Big5, page()});
        const Answering &c = GetParam();
        rt.onWindowShown = [this, &c](const QString &window) {
            if (window != document::RecoveryWindowName)
                return;
            if (++shown > 1) // a refused 全部丢弃 keeps the window: leave it with 以后再说
                return static_cast<QPushButton *>(ui::testing::widget(rt, {window, u"按钮3"_s}))->click();
            auto *list = static_cast<QListWidget *>(ui::testing::widget(rt, {window, u"列表框1"_s}));
            EXPECT_EQ(list->count(), 2);
            EXPECT_TRUE(list->item(0)->text().startsWith(u"页面.html    "_s + dir.path())) << list->item(0)->text().toStdString();
            EXPECT_TRUE(list->item(1)->text().startsWith(u"未命名"_s));
            script.answers.assign(c.answers.begin(), c.answers.end());
            static_cast<QPushButton *>(ui::testing::widget(rt, {window, c.button}))->click();
            if (!c.answers.empty() && c.answers[0] == QMessageBox::No)
                QTimer::singleShot(0, [this, window] { rt.onWindowShown(window); });
        };
        MainWindowFixture::SetUp();
    }
    QString page() const { return dir.filePath(u"页面.html"_s); }
    int shown = 0;
};

} // namespace

TEST_P(RecoveryWindow, RestoresDiscardsOrKeeps)
{
    const Answering &c = GetParam();
    ASSERT_EVENTUALLY(shown > 0);
    ASSERT_EVENTUALLY(!rt.isOpen(document::RecoveryWindowName));
    rt.onWindowShown = nullptr;
    EXPECT_EQ(rt.getEditorBuffer(session().editor()) == Restored, c.textRestored);
    if (c.textRestored) {
        EXPECT_EQ(session().encoding(), core::Encoding::Big5);
        EXPECT_EQ(session().path(), page());
        EXPECT_TRUE(session().isModified());
        // Saving offers the file's name, and writes the bytes the text came from.
        script.files = {{dir.filePath(u"again.html"_s)}};
        click(u"文件/保存"_s);
        ASSERT_FALSE(script.fileDialogs.empty());
        EXPECT_TRUE(script.fileDialogs.back().typedName.endsWith(QFileInfo(page()).fileName()))
            << script.fileDialogs.back().typedName.toStdString();
        EXPECT_EQ(contentOf(dir.filePath(u"again.html"_s)), "<p>\xa4\xa4</p>\x81\x01 "_ba);
    }
    EXPECT_EQ(contentOf(page()), OnDisk);
    EXPECT_EQ(store->orphans().size(), c.copiesLeft);
}

INSTANTIATE_TEST_SUITE_P(Each, RecoveryWindow,
                         ::testing::Values(Answering{"恢复", u"按钮1"_s, {}, 1, true},
                                           Answering{"全部丢弃, not confirmed, then 以后再说", u"按钮2"_s, {QMessageBox::No}, 2, false},
                                           Answering{"全部丢弃", u"按钮2"_s, {QMessageBox::Yes}, 0, false},
                                           Answering{"以后再说", u"按钮3"_s, {}, 2, false}));


namespace {

const char *const FaultKind = "QUILLMERE_RECOVERY_FAULT";
const char *const FaultDir = "QUILLMERE_RECOVERY_FAULT_DIR";

/// The child's state folder, on a file system of its own, full or read-only; none outside the child.
QString childStateFolder()
{
    if (qEnvironmentVariableIsEmpty(FaultKind))
        return {};
    const QString state = qEnvironmentVariable(FaultDir);
    const bool full = qEnvironmentVariable(FaultKind) == u"full"_s;
    EXPECT_EQ(::mount("tmpfs", QFile::encodeName(state).constData(), "tmpfs", full ? 0 : MS_RDONLY, "size=64k"), 0)
        << std::strerror(errno);
    if (full) { // room for the folder and the lock, not for a copy of the page
        QDir().mkpath(state + u"/quillmere/recovery"_s);
        putContent(state + u"/filler"_s, QByteArray(48 * 1024, 'f'));
    }
    return state + u"/quillmere/recovery"_s;
}

/// The child's part of RecoveryFolderFaults.
class RecoveryInChild : public RecoveryTest {
protected:
    RecoveryInChild() : RecoveryTest(childStateFolder()) {}
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty(FaultKind))
            GTEST_SKIP() << "runs only as the child of RecoveryFolderFaults";
        RecoveryTest::SetUp();
    }
};

} // namespace

// The editor works as always, says once in panel 8 why recovery is off, and saves.
TEST_F(RecoveryInChild, KeepsWorkingAndSaysWhy)
{
    const bool full = qEnvironmentVariable(FaultKind) == u"full"_s;
    const ui::ControlRef statusBar{Main, u"状态条1"_s};
    type(u"<p>"_s);
    rt.insertAtCaret(session().editor(), QString(30000, u'字'));
    keptCopy();
    keptCopy(); // a second failure is not told again
    const QString note = rt.getPanelText(statusBar, 8);
    EXPECT_TRUE(note.startsWith(u"恢复副本已停用："_s)) << note.toStdString();
    EXPECT_TRUE(note.contains(full ? u"磁盘已满"_s : u"文件系统是只读的"_s)) << note.toStdString();
    type(u"x"_s);
    EXPECT_TRUE(rt.getEditorText(session().editor()).contains(u"字x"_s));
    const QString saved = dir.filePath(u"saved.html"_s);
    script.files = {{saved}};
    click(u"文件/保存"_s);
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(contentOf(saved), rt.getEditorBytes(session().editor()));
}

TEST(RecoveryFolderFaults, FullOrReadOnly)
{
    if (const QString &why = mountNamespaceRefusal(); !why.isEmpty())
        GTEST_SKIP() << "no mount namespace with a file system of its own here: " << why.toStdString();
    for (const QString kind : {u"full"_s, u"read-only"_s}) {
        SCOPED_TRACE(kind.toStdString());
        QTemporaryDir state;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(FaultKind), kind);
        env.insert(QString::fromLatin1(FaultDir), state.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(u"unshare"_s, {u"--mount"_s, u"--propagation"_s, u"private"_s, QCoreApplication::applicationFilePath(),
                                   u"--gtest_filter=RecoveryInChild.*"_s});
        ASSERT_TRUE(child.waitForFinished(120000)) << "the child hangs";
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        EXPECT_TRUE(namesIn(state.path()).isEmpty()) << "the mount leaked out of the child";
    }
}
