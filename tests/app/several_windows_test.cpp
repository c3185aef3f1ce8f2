// SPDX-License-Identifier: GPL-3.0-or-later
// Several MainWindows in one program: one per file named, Ctrl+Shift+N, each with its own exit
// check and its own find window; a file that is open already brings its window to the front,
// whether it is named again in this program or by a later start of it.
#include "support/main_window_fixture.h"

#include "app/instance_link.h"
#include "app/windows.h"
#include "document/find_dialog.h"
#include "document/templates.h"
#include "support/program_run.h"

#include <QTimer>

using namespace testsupport;

namespace {

class SeveralWindows : public ::testing::Test {
protected:
    void TearDown() override
    {
        script.answers.clear();
        script.choices.clear();
        for (const auto &w : windows.all())
            rt.closeWindow(w->session().window());
        for (const auto &w : windows.all())
            ASSERT_EVENTUALLY(!rt.isOpen(w->session().window()));
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        putContent(path, bytes);
        return path;
    }
    /// The names of the open MainWindows and the paths of their documents.
    QStringList shown() const
    {
        QStringList list;
        for (const auto &w : windows.all())
            if (rt.isOpen(w->session().window()))
                list << w->session().window() + u' ' + QFileInfo(w->session().path()).fileName();
        return list;
    }
    QString textOf(int i) const { return rt.getEditorText(windows.all()[size_t(i)]->session().editor()); }
    QWidget *host(int i) { return ui::testing::widget(rt, {windows.all()[size_t(i)]->session().window(), {}}); }
    static QString templateText()
    {
        QString t;
        for (const auto &piece : document::newPageTemplate())
            t += piece;
        return t;
    }

    QTemporaryDir dir;
    DialogScript script;
    app::Windows windows; // outlives the runtime
    ui::UiRuntime rt;
};

} // namespace

TEST_F(SeveralWindows, EachFileOpensInAWindowOfItsOwnButNeverTwice)
{
    const QString a = write(u"a.html"_s, "<p>a</p>"), b = write(u"b.css"_s, "b {}");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    ASSERT_TRUE(QFile::link(a, dir.filePath(u"link.html"_s)));
    windows.open(rt, {a, b, write(u"c.asp"_s, "<% c %>")});
    EXPECT_EQ(shown(), (QStringList{u"MainWindow a.html"_s, u"MainWindow2 b.css"_s, u"MainWindow3 c.asp"_s}));
    EXPECT_EQ((QStringList{textOf(0), textOf(1), textOf(2)}), (QStringList{u"<p>a</p>"_s, u"b {}"_s, u"<% c %>"_s}));
    EXPECT_TRUE(script.boxes.empty()) << script.boxTitles().join(u", ").toStdString();
    EXPECT_EQ(host(2)->windowTitle(), host(0)->windowTitle()); // each exactly the MainWindow
    // Each further window stands off the one opened before it, at the same size.
    for (int i : {1, 2}) {
        EXPECT_NE(host(i)->pos(), host(i - 1)->pos()) << i;
        EXPECT_EQ(host(i)->size(), host(0)->size()) << i;
    }

    // Named again however it is spelt, an open file brings its window to the front.
    for (const QString &same : {a, dir.filePath(u"sub/../a.html"_s), dir.filePath(u"link.html"_s)}) {
        host(1)->activateWindow();
        ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), host(1));
        windows.open(rt, {same});
        EXPECT_EQ(shown().size(), 3) << same.toStdString();
        ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), host(0));
    }

    // 打开 in the second window: the first comes to the front, the second keeps its document.
    script.files = {{dir.filePath(u"link.html"_s)}};
    ui::testing::menuAction(rt, {u"MainWindow2"_s, u"文件/打开"_s})->trigger();
    ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), host(0));
    EXPECT_EQ(textOf(1), u"b {}"_s);
    EXPECT_EQ(shown().size(), 3);
}

TEST_F(SeveralWindows, CtrlShiftNOpensANewPageWhoseExitCheckIsItsOwn)
{
    windows.open(rt, {});
    press(ui::testing::widget(rt, windows.all()[0]->session().editor()), u"Ctrl+Shift+N"_s);
    ASSERT_EQ(shown(), (QStringList{u"MainWindow "_s, u"MainWindow2 "_s}));
    EXPECT_EQ(textOf(1), templateText());

    // Typed into the second only: closing it asks about its document, once, and the first stays
    // open without being asked.
    const document::Session &second = windows.all()[1]->session();
    rt.insertAtCaret(second.editor(), u"<p>新</p>"_s);
    EXPECT_EQ(textOf(0), templateText());
    script.answers = {QMessageBox::No};
    host(1)->close();
    ASSERT_EVENTUALLY(!rt.isOpen(second.window()));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].title, u"询问"_s);
    EXPECT_TRUE(rt.isOpen(u"MainWindow"_s));
    EXPECT_EQ(textOf(0), templateText());
}

TEST_F(SeveralWindows, EachMainWindowHasItsOwnFindWindow)
{
    windows.open(rt, {write(u"a.html"_s, "aaa x"), write(u"b.html"_s, "b x x")});
    for (int i : {0, 1})
        press(ui::testing::widget(rt, windows.all()[size_t(i)]->session().editor()), u"Ctrl+F"_s);
    const QString firstFind = windows.all()[0]->session().owned(document::FindWindowName);
    const QString secondFind = windows.all()[1]->session().owned(document::FindWindowName);
    EXPECT_EQ(firstFind, u"FindDialog"_s); // as tools and tests know it
    ASSERT_NE(firstFind, secondFind);
    ASSERT_TRUE(rt.isOpen(firstFind) && rt.isOpen(secondFind));
    // Each searches its own window's document.
    for (const QString &find : {firstFind, secondFind}) {
        rt.setFieldText({find, u"编辑框1"_s}, u"x"_s);
        ui::testing::raise(rt, {find, u"按钮1"_s}, ui::Event::Clicked);
    }
    EXPECT_EQ(rt.getCaption({firstFind, u"标签3"_s}), document::foundText(1, 1));
    EXPECT_EQ(rt.getCaption({secondFind, u"标签3"_s}), document::foundText(1, 2));
    // Closing a MainWindow closes its own find window only.
    rt.closeWindow(u"MainWindow2"_s);
    ASSERT_EVENTUALLY(!rt.isOpen(secondFind));
    EXPECT_TRUE(rt.isOpen(firstFind));
}

TEST_F(SeveralWindows, TheProgramRunsUntilTheLastMainWindowIsClosed)
{
    windows.open(rt, {write(u"a.html"_s, "a"), write(u"b.html"_s, "b")});
    QStringList openWhenFirstWent;
    QTimer watch; // once the first is gone (its exit check answered), the second is closed
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (rt.isOpen(u"MainWindow"_s))
            return;
        watch.stop();
        openWhenFirstWent = shown();
        rt.closeWindow(u"MainWindow2"_s);
    });
    QTimer::singleShot(0, [&] {
        rt.closeWindow(u"MainWindow"_s);
        watch.start(10);
    });
    EXPECT_EQ(rt.run(), 0); // returns: the last is gone
    EXPECT_EQ(openWhenFirstWent, QStringList{u"MainWindow2 b.html"_s});
}

/// A later start of the program hands its files over and ends; the files open here, or bring
/// the window that has them to the front.
TEST_F(SeveralWindows, ALaterStartHandsItsFilesToTheRunningProgram)
{
    // A display name of this test's own, so that no other program's link is reached.
    const QByteArray display = ":handover-" + QByteArray::number(QCoreApplication::applicationPid());
    qputenv("DISPLAY", display);
    app::InstanceLink link;
    ASSERT_TRUE(link.listen([&](const QStringList &files) { windows.open(rt, files); }));
    const QString a = write(u"a.html"_s, "<p>a</p>"), b = write(u"b.html"_s, "<p>b</p>");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    windows.open(rt, {a});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, QString::fromLatin1(display));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    auto start = [&](const QStringList &args) { return runProgram(QStringLiteral(QUILLMERE_FILE), args, env, dir.path()).status; };
    EXPECT_EQ(start({u"b.html"_s, u"sub/../a.html"_s}), 0); // relative to the later start's folder
    ASSERT_EVENTUALLY_EQ(shown(), (QStringList{u"MainWindow a.html"_s, u"MainWindow2 b.html"_s}));
    ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), host(0)); // a.html was open: to the front
    EXPECT_EQ(start({}), 0); // no file: a new page
    ASSERT_EVENTUALLY_EQ(shown().size(), 3);
    EXPECT_EQ(textOf(2), templateText());
    qunsetenv("DISPLAY");
}
