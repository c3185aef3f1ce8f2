// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"

#include "document/editing.h"
#include "document/lifecycle.h"
#include "document/session.h"
#include "document/templates.h"
#include "support/privileges.h"

#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

QString joined(const document::Pieces &pieces)
{
    QString s;
    for (const auto &p : pieces)
        s += p;
    return s;
}

const QString Question = u"文件已经被修改，是否保存？"_s;

class LifecycleTest : public MainWindowFixture {};

} // namespace

TEST_F(LifecycleTest, NewDocumentAsksBecauseTheStartTemplateRaisedTheFlag)
{
    EXPECT_TRUE(session().isModified());
    script.answers = {QMessageBox::No};
    click(u"文件/新建/新建asp文件"_s);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].title, u"询问"_s);
    EXPECT_EQ(script.boxes[0].text, Question);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(text(), u"<%\r\n\r\n%>"_s);
    EXPECT_EQ(rt.getCaretLine(editor()), 2);
    EXPECT_TRUE(script.fileDialogs.empty());

    click(u"文件/新建/新建css文件"_s);
    EXPECT_EQ(text(), u"<Style Type=text/css>\r\n\r\n</Style>"_s);
    click(u"文件/新建/新建html文件"_s);
    EXPECT_EQ(text(), joined(document::newPageTemplate()));
    EXPECT_EQ(script.boxes.size(), 3u);
}

TEST_F(LifecycleTest, CancelKeepsTheText)
{
    rt.setEditorText(editor(), u"mine"_s);
    script.answers = {QMessageBox::Cancel, QMessageBox::Cancel};
    click(u"文件/新建/新建css文件"_s);
    click(u"文件/打开"_s);
    EXPECT_EQ(text(), u"mine"_s);
    EXPECT_EQ(script.boxes.size(), 2u);
    EXPECT_TRUE(script.fileDialogs.empty());
}

TEST_F(LifecycleTest, YesThenCancelledSaveDialogCancelsTheCommand)
{
    rt.setEditorText(editor(), u"unsaved work"_s);
    script.answers = {QMessageBox::Yes, QMessageBox::Yes};
    click(u"文件/新建/新建asp文件"_s);
    click(u"文件/打开"_s);
    EXPECT_EQ(text(), u"unsaved work"_s);
    ASSERT_EQ(script.fileDialogs.size(), 2u); // the save dialogs; no open dialog followed
    EXPECT_EQ(script.fileDialogs[0].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(script.fileDialogs[1].mode, QFileDialog::AcceptSave);
    EXPECT_TRUE(namesIn(dir.path()).isEmpty());
}

TEST_F(LifecycleTest, YesThenSaveWritesAndProceeds)
{
    rt.setEditorText(editor(), u"第一行\r\n第二行"_s);
    const QString path = dir.filePath(u"kept.html"_s);
    script.answers = {QMessageBox::Yes};
    script.files = {{path}};
    click(u"文件/新建/新建asp文件"_s);
    EXPECT_EQ(contentOf(path), core::textToBytes(u"第一行\r\n第二行"_s));
    EXPECT_EQ(text(), u"<%\r\n\r\n%>"_s);
    // The flag stays raised after a save: the next command asks again.
    EXPECT_TRUE(session().isModified());
    click(u"文件/新建/新建html文件"_s);
    EXPECT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, Question);
}

TEST_F(LifecycleTest, SaveDialogSettingsAndTheNameFromTheOpenDialog)
{
    const QString opened = dir.filePath(u"page.asp"_s);
    putContent(opened, "<% x %>");
    script.answers = {QMessageBox::No};
    script.files = {{opened}, {}, {}};
    click(u"文件/打开"_s);
    EXPECT_EQ(text(), u"<% x %>"_s);
    click(u"文件/保存"_s);     // opens with the opened path filled in; cancelled
    click(u"文件/另存为..."_s); // still filled in: only a completed save clears the name
    ASSERT_EQ(script.fileDialogs.size(), 3u);
    const QStringList filters = {u"web文件 (*.html)"_s, u"asp文件 (*.asp)"_s, u"css文件 (*.css)"_s, u"所有文件 (*)"_s};
    for (const auto &d : script.fileDialogs) {
        EXPECT_EQ(d.filters, filters);
        EXPECT_EQ(d.selectedFilter, filters[1]);
    }
    EXPECT_EQ(script.fileDialogs[0].mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(script.fileDialogs[1].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(script.fileDialogs[1].directory, dir.path());
    EXPECT_EQ(script.fileDialogs[1].typedName, u"page.asp"_s);
    EXPECT_EQ(script.fileDialogs[2].typedName, u"page.asp"_s);

    // After a save the name is cleared: the next save dialog starts empty.
    script.files = {{dir.filePath(u"copy.asp"_s)}, {}};
    click(u"文件/保存"_s);
    click(u"文件/保存"_s);
    ASSERT_EQ(script.fileDialogs.size(), 5u);
    EXPECT_EQ(script.fileDialogs[3].typedName, u"page.asp"_s);
    EXPECT_EQ(script.fileDialogs[4].typedName, QString());
    EXPECT_EQ(contentOf(dir.filePath(u"copy.asp"_s)), QByteArray("<% x %>"));
    EXPECT_EQ(rt.getDialogFileName(session().fileDialog()), QString());
}

TEST_F(LifecycleTest, ANameWithoutExtensionGetsTheSelectedPairsExtension)
{
    script.files = {{dir.filePath(u"plain"_s)}};
    click(u"文件/保存"_s);
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"plain.asp"_s});
}

TEST_F(LifecycleTest, FilesComeBackByteForByte)
{
    const std::vector<QByteArray> contents = {
        QByteArray(),                                            // empty file
        QByteArray("line one\r\nline two\r\n"),                  // CR LF with a final break
        QByteArray("lf only\nno final break"),                   // LF only, no final break
        QByteArray("mixed\r\nbreaks\nand\rcr"),                  // mixed breaks
        QByteArray("\xEF\xBB\xBFwith a byte-order mark"),       // UTF-8 BOM
        QByteArray("nul\0inside\0\0", 13),                       // NUL bytes
        QByteArray("\xC4\xE3\xBA\xC3 gb2312 \x81\x30\x81\x30"), // GB2312 and a four-byte GB18030
        QByteArray("bad \xFF \x81 \x80\x80 \xA1 end\x81"),       // invalid sequences, a cut-off lead byte
    };
    int n = 0;
    for (const QByteArray &original : contents) {
        SCOPED_TRACE(n);
        const QString in = dir.filePath(u"in%1.html"_s.arg(n));
        const QString out = dir.filePath(u"out%1.html"_s.arg(n));
        ++n;
        putContent(in, original);
        script.answers = {QMessageBox::No};
        script.files = {{in}, {out}};
        click(u"文件/打开"_s);
        EXPECT_EQ(rt.getEditorByteLength(editor(), session().encoding()), original.size());
        EXPECT_EQ(panel(7), document::sizeInKilobytes(original.size()));
        click(u"文件/保存"_s);
        EXPECT_EQ(contentOf(out), original);
    }
    // Typed line breaks are CR LF.
    rt.setEditorText(editor(), {});
    type(u"ab"_s);
    QTest::keyClick(ui::testing::widget(rt, editor()), Qt::Key_Return);
    type(u"c"_s);
    script.files = {{dir.filePath(u"typed.html"_s)}};
    click(u"文件/保存"_s);
    EXPECT_EQ(contentOf(dir.filePath(u"typed.html"_s)), QByteArray("ab\r\nc"));
}

TEST_F(LifecycleTest, SavingAnEmptyEditorWritesAZeroLengthFile)
{
    const QString path = dir.filePath(u"old.html"_s);
    putContent(path, "old content");
    rt.setEditorText(editor(), {});
    script.files = {{path}};
    click(u"文件/保存"_s);
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"old.html"_s});
}

TEST_F(LifecycleTest, SaveKeepsLinksAndPermissions)
{
    const QString target = dir.filePath(u"target.html"_s);
    const QString link = dir.filePath(u"link.html"_s);
    const QString second = dir.filePath(u"second-name.html"_s);
    putContent(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData()), 0);

    rt.setEditorText(editor(), u"new text"_s);
    script.files = {{link}};
    click(u"文件/保存"_s);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), QByteArray("new text"));
    EXPECT_EQ(contentOf(second), QByteArray("new text")); // still one file with two names
    struct stat a, b;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &a), 0);
    ASSERT_EQ(::stat(QFile::encodeName(second).constData(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(a.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(dir.path()), (QStringList{u"link.html"_s, u"second-name.html"_s, u"target.html"_s}));
}

TEST_F(LifecycleTest, AFailedSaveIsReportedAndChangesNothing)
{
    const QString path = dir.filePath(u"precious.html"_s);
    const QByteArray old(3000, 'o');
    putContent(path, old);
    const QString newText = QString(5000, u'n');
    rt.setEditorText(editor(), newText);

    // The disk refuses more than 1000 bytes per file.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    script.files = {{path}};
    click(u"文件/保存"_s);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].title, u"保存失败"_s);
    EXPECT_TRUE(script.boxes[0].text.contains(path));
    EXPECT_TRUE(script.boxes[0].text.contains(u"文件超出了允许的大小"_s));
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"precious.html"_s});
    EXPECT_EQ(text(), newText);
    EXPECT_TRUE(session().isModified());

    // A name longer than the file system allows.
    const QString tooLong = dir.filePath(QString(300, u'x') + u".html"_s);
    script.files = {{tooLong, true}};
    click(u"文件/保存"_s);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_TRUE(script.boxes[1].text.contains(tooLong));
    EXPECT_TRUE(script.boxes[1].text.contains(u"路径太长"_s));
    EXPECT_EQ(namesIn(dir.path()), QStringList{u"precious.html"_s});
}

TEST_F(LifecycleTest, FilesThatCannotBeOpenedAreReportedAndTheTextKept)
{
    rt.setEditorText(editor(), u"keep me"_s);
    const QString vanished = dir.filePath(u"vanished.html"_s);
    const QString fifo = dir.filePath(u"pipe.html"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString huge = dir.filePath(u"huge.html"_s);
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(document::MaxOpenBytes + 1)); // sparse: nothing is really written
    }
    struct Case {
        FileChoice choice;
        QString reason;
    };
    const std::vector<Case> cases = {
        {{vanished, true}, u"文件或文件夹不存在"_s},
        {{dir.path(), true}, u"这是一个文件夹"_s},
        {{fifo}, u"这不是一个普通文件"_s},
        {{huge}, u"本程序最多打开 128 MB 的文件"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.choice.path.toStdString());
        script.boxes.clear();
        script.answers = {QMessageBox::No};
        script.files = {c.choice};
        click(u"文件/打开"_s);
        ASSERT_EQ(script.boxes.size(), 2u);
        EXPECT_EQ(script.boxes[1].title, u"打开失败"_s);
        EXPECT_TRUE(script.boxes[1].text.contains(c.choice.path));
        EXPECT_TRUE(script.boxes[1].text.contains(c.reason)) << script.boxes[1].text.toStdString();
        EXPECT_EQ(text(), u"keep me"_s);
    }
}

TEST_F(LifecycleTest, CancellingTheOpenDialogKeepsTheText)
{
    rt.setEditorText(editor(), u"keep me"_s);
    script.answers = {QMessageBox::No};
    click(u"文件/打开"_s);
    EXPECT_EQ(script.fileDialogs.size(), 1u);
    EXPECT_EQ(text(), u"keep me"_s);
}

// The exit check runs while the window is being destroyed: it cannot keep it open.
class ExitCheckTest : public MainWindowFixture {
protected:
    void closeAndWait()
    {
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
};

TEST_F(ExitCheckTest, NoClosesWithoutADialog)
{
    script.answers = {QMessageBox::No};
    closeAndWait();
    EXPECT_EQ(script.boxTitles(), QStringList{u"询问"_s});
    EXPECT_TRUE(script.fileDialogs.empty());
}

TEST_F(ExitCheckTest, CancelOffersOneSaveDialog)
{
    script.answers = {QMessageBox::Cancel};
    closeAndWait();
    EXPECT_EQ(script.fileDialogs.size(), 1u);
}

TEST_F(ExitCheckTest, YesWithACancelledDialogOffersOneMore)
{
    script.answers = {QMessageBox::Yes};
    closeAndWait();
    EXPECT_EQ(script.fileDialogs.size(), 2u);
}

TEST_F(ExitCheckTest, YesSavesAndCloses)
{
    rt.setEditorText(editor(), u"last words"_s);
    const QString path = dir.filePath(u"saved.html"_s);
    script.answers = {QMessageBox::Yes};
    script.files = {{path}};
    closeAndWait();
    EXPECT_EQ(script.fileDialogs.size(), 1u);
    EXPECT_EQ(contentOf(path), QByteArray("last words"));
}

TEST_F(ExitCheckTest, AFailedSaveIsOfferedAgainUntilItWorks)
{
    rt.setEditorText(editor(), u"last words"_s);
    const QString good = dir.filePath(u"good.html"_s);
    script.answers = {QMessageBox::Yes};
    script.files = {{dir.filePath(QString(300, u'x')), true}, {dir.filePath(QString(300, u'y')), true}, {good}};
    closeAndWait();
    EXPECT_EQ(script.fileDialogs.size(), 3u);
    EXPECT_EQ(script.boxTitles(), (QStringList{u"询问"_s, u"保存失败"_s, u"保存失败"_s}));
    EXPECT_EQ(contentOf(good), QByteArray("last words"));
}

// Rights are checked by the kernel only for an unprivileged user: the checks run in a child
// process of this test program under the "nobody" account.
namespace {

const char *const UnprivilegedDir = "QUILLMERE_UNPRIVILEGED_DIR";

class UnprivilegedTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty(UnprivilegedDir))
            GTEST_SKIP() << "runs only as the child of RightsAreRespected";
        MainWindowFixture::SetUp();
    }
    QString folder() const { return qEnvironmentVariable(UnprivilegedDir); }
};

} // namespace

TEST_F(UnprivilegedTest, SaveWithoutRights)
{
    // A new file in a folder that takes none, and a file that may not be written.
    const QStringList paths = {folder() + u"/locked/new.html"_s, folder() + u"/locked/page.html"_s};
    rt.setEditorText(editor(), u"new"_s);
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        script.boxes.clear();
        script.files = {{path}};
        click(u"文件/保存"_s);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].title, u"保存失败"_s);
        EXPECT_TRUE(script.boxes[0].text.contains(path));
        EXPECT_TRUE(script.boxes[0].text.contains(u"没有访问权限"_s));
        EXPECT_EQ(text(), u"new"_s);
    }
}

TEST_F(UnprivilegedTest, OpenAFileWithoutRights)
{
    const QString path = folder() + u"/secret.html"_s;
    rt.setEditorText(editor(), u"keep me"_s);
    script.answers = {QMessageBox::No};
    script.files = {{path}};
    click(u"文件/打开"_s);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_TRUE(script.boxes[1].text.contains(path));
    EXPECT_TRUE(script.boxes[1].text.contains(u"没有访问权限"_s));
    EXPECT_EQ(text(), u"keep me"_s);
}

TEST(RightsTest, RightsAreRespected)
{
    if (!qEnvironmentVariableIsEmpty(UnprivilegedDir))
        GTEST_SKIP();
    if (const QString &why = testsupport::otherUserRefusal(); !why.isEmpty())
        GTEST_SKIP() << "no child as another user here: " << why.toStdString();
    QTemporaryDir dir;
    const QString locked = dir.filePath(u"locked"_s);
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString page = locked + u"/page.html"_s;
    const QString secret = dir.filePath(u"secret.html"_s);
    {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old page");
    }
    {
        QFile f(secret);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("secret");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(page).constData(), 0644), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(secret).constData(), 0600), 0);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(UnprivilegedDir), dir.path());
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"HOME"_s, dir.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(u"setpriv"_s, {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, QCoreApplication::applicationFilePath(),
                               u"--gtest_filter=UnprivilegedTest.*"_s});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 2 tests")) << output.toStdString();

    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old page"));
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{u"page.html"_s});
}
