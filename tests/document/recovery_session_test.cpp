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

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override { store = std::make_unique<RecoveryStore>(state.path()); }
    void TearDown() override
    {
        script.answers.clear();
        script.files.clear();
        if (rt.isOpen(Main))
            rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    void openMain()
    {
        main = std::make_unique<app::MainWindow>(QString(), Main, store.get());
        rt.openWindow(main->definition(), false);
        ASSERT_EVENTUALLY(rt.isOpen(Main));
    }
    document::Session &session() { return main->session(); }
    document::Recovery &recovery() { return *session().recovery(); }
    void type(const QString &typed)
    {
        QWidget *w = ui::testing::widget(rt, session().editor());
        for (const QChar ch : typed)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void click(const QString &item) { ui::testing::menuAction(rt, {Main, item})->trigger(); }
    /// What the timer does, done now, and waited for.
    bool keptCopy()
    {
        QCoreApplication::processEvents();
        if (document::CopyWriter *writer = recovery().writer()) // a copy the timer started
            writer->waitIdle();
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
        writer.write(buffer, header);
    }

    QTemporaryDir state, dir;
    std::unique_ptr<RecoveryStore> store;
    std::unique_ptr<app::MainWindow> main; // outlives the runtime, whose windows' handlers use it
    ui::UiRuntime rt;
    DialogScript script;
};

} // namespace

// Each way of leaving unsaved work, and whether its copy must stay.
TEST_F(RecoveryTest, TheCopyGoesOnlyWithWorkSavedOrThrownAway)
{
    const QString page = dir.filePath(u"page.html"_s);
    putContent(page, "<p>on disk</p>");
    struct Case {
        const char *what;
        std::function<void()> act;
        bool copyStays;
    };
    const std::vector<Case> cases = {
        {"saved", [&] { script.files = {{dir.filePath(u"saved.html"_s)}}; click(u"文件/保存"_s); }, false},
        {"新建, 否", [&] { script.answers = {QMessageBox::No}; click(u"文件/新建/新建css文件"_s); }, false},
        {"打开, 否", [&] { script.answers = {QMessageBox::No}; script.files = {{page}}; click(u"文件/打开"_s); }, false},
        {"新建, 是, save cancelled", [&] { script.answers = {QMessageBox::Yes}; click(u"文件/新建/新建html文件"_s); }, true},
        {"打开, 是, save failed",
         [&] {
             script.answers = {QMessageBox::Yes};
             script.files = {{dir.filePath(u"missing/x.html"_s), true}};
             click(u"文件/打开"_s);
         },
         true},
        {"typed back to the start text", [&] { rt.sendEditorCommand(session().editor(), ui::EditorCommand::Undo); }, false},
        {"exit, 否", [&] { script.answers = {QMessageBox::No}; rt.closeWindow(Main); ASSERT_EVENTUALLY(!rt.isOpen(Main)); }, false},
        {"exit, 是, save cancelled",
         [&] { script.answers = {QMessageBox::Yes}; rt.closeWindow(Main); ASSERT_EVENTUALLY(!rt.isOpen(Main)); }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        store = std::make_unique<RecoveryStore>(state.path());
        openMain();
        EXPECT_FALSE(keptCopy()) << "the start text is no unsaved work";
        type(u"z"_s);
        ASSERT_TRUE(keptCopy());
        EXPECT_EQ(RecoveryStore::read(store->copyPath(0))->buffer, rt.getEditorBuffer(session().editor()).toByteArray());
        c.act();
        if (rt.isOpen(Main)) {
            EXPECT_EQ(keptCopy(), c.copyStays);
            script.answers = {QMessageBox::Yes}; // and the save cancelled: nothing thrown away
            rt.closeWindow(Main);
            ASSERT_EVENTUALLY(!rt.isOpen(Main));
        }
        main.reset(); // the process ends: its writer finishes
        store.reset();
        EXPECT_EQ(RecoveryStore(state.path()).orphans().size(), c.copyStays ? 1u : 0u);
        QDir(state.path()).removeRecursively();
        script.answers.clear();
        script.files.clear();
        script.boxes.clear();
    }
}

// The window's three answers, over two copies left by processes that are gone.
TEST_F(RecoveryTest, TheWindowRestoresDiscardsOrKeeps)
{
    const QString page = dir.filePath(u"页面.html"_s);
    const QByteArray onDisk = "<p>\xa4\xa4</p>"_ba;
    putContent(page, onDisk);
    // Big5 text with bytes that are no Big5, carried raw, one as itself and one as its escape:
    // they come back as they were.
    const QByteArray restored = "<p>\xe4\xb8\xad</p>\x81\xed\xb0\x81 "_ba;
    struct Case {
        const char *what;
        QString button;
        std::vector<QMessageBox::StandardButton> answers;
        size_t copiesLeft;
        bool textRestored;
    };
    const std::vector<Case> cases = {
        {"恢复", u"按钮1"_s, {}, 1, true},
        {"全部丢弃, not confirmed, then 以后再说", u"按钮2"_s, {QMessageBox::No}, 2, false},
        {"全部丢弃", u"按钮2"_s, {QMessageBox::Yes}, 0, false},
        {"以后再说", u"按钮3"_s, {}, 2, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        leaveCopy("<p>older</p>", {});
        QTest::qWait(1100); // the newest is listed first, by its time of change
        leaveCopy(restored, {core::Encoding::Big5, page});
        store = std::make_unique<RecoveryStore>(state.path());
        int shown = 0;
        rt.onWindowShown = [&](const QString &window) {
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
                QTimer::singleShot(0, [&, window] { rt.onWindowShown(window); });
        };
        openMain();
        ASSERT_EVENTUALLY(shown > 0);
        ASSERT_EVENTUALLY(!rt.isOpen(document::RecoveryWindowName));
        rt.onWindowShown = nullptr;
        const QByteArray buffer = rt.getEditorBuffer(session().editor()).toByteArray();
        EXPECT_EQ(buffer == restored, c.textRestored);
        if (c.textRestored) {
            EXPECT_EQ(session().encoding(), core::Encoding::Big5);
            EXPECT_EQ(session().path(), page);
            EXPECT_TRUE(session().isModified());
            // Saving offers the file's name, and writes the bytes the text came from.
            script.files = {{dir.filePath(u"again.html"_s)}};
            click(u"文件/保存"_s);
            ASSERT_FALSE(script.fileDialogs.empty());
            EXPECT_TRUE(script.fileDialogs.back().typedName.endsWith(QFileInfo(page).fileName()))
                << script.fileDialogs.back().typedName.toStdString();
            EXPECT_EQ(contentOf(dir.filePath(u"again.html"_s)), "<p>\xa4\xa4</p>\x81\x01 "_ba);
        }
        EXPECT_EQ(contentOf(page), onDisk);
        EXPECT_EQ(store->orphans().size(), c.copiesLeft);
        script.answers = {QMessageBox::No};
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
        main.reset();
        store.reset();
        QDir(state.path()).removeRecursively();
        script.boxes.clear();
        script.fileDialogs.clear();
    }
}

namespace {

const char *const FaultKind = "QUILLMERE_RECOVERY_FAULT";
const char *const FaultDir = "QUILLMERE_RECOVERY_FAULT_DIR";

/// The child's part: a state folder on a file system of its own, full or read-only.
class RecoveryInChild : public RecoveryTest {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty(FaultKind))
            GTEST_SKIP() << "runs only as the child of RecoveryFolderFaults";
        const QString state = qEnvironmentVariable(FaultDir);
        const bool full = qEnvironmentVariable(FaultKind) == u"full"_s;
        ASSERT_EQ(::mount("tmpfs", QFile::encodeName(state).constData(), "tmpfs", full ? 0 : MS_RDONLY, "size=64k"), 0)
            << std::strerror(errno);
        if (full) { // room for the folder and the lock, not for a copy of the page
            QDir().mkpath(state + u"/quillmere/recovery"_s);
            putContent(state + u"/filler"_s, QByteArray(48 * 1024, 'f'));
        }
        store = std::make_unique<RecoveryStore>(state + u"/quillmere/recovery"_s);
    }
};

} // namespace

// The editor works as always, says once in panel 8 why recovery is off, and saves.
TEST_F(RecoveryInChild, KeepsWorkingAndSaysWhy)
{
    const bool full = qEnvironmentVariable(FaultKind) == u"full"_s;
    openMain();
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
