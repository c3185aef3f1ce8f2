// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window with its browser, read as a screen reader reads it: the page's accessibility
// tree under the 预览 window. Skipped, with the reason, where the engine cannot start.
#include "support/main_window_fixture.h"
#include "document/lifecycle.h"
#include "document/preview_window.h"
#include "ui/definition_lint.h"

#include <QAccessible>
#include <QLibraryInfo>
#include <QSettings>
#include <QTcpServer>

#include <functional>

using namespace Qt::Literals::StringLiterals;

#if defined(__SANITIZE_ADDRESS__)
// Qt WebEngine's accessibility code deletes objects of its own through a base of another size, from
// allocation to deletion inside the library: not ours to fix, and reported at every page's end.
extern "C" const char *__asan_default_options() { return "new_delete_type_mismatch=0"; }
#endif

namespace {

using document::PreviewWindowName;

const ui::ControlRef View{PreviewWindowName, u"超文本浏览框1"_s};
const ui::ControlRef Status{PreviewWindowName, u"标签1"_s};
const ui::ControlRef Network{PreviewWindowName, u"选择框1"_s};
constexpr int Patience = 30000; // an engine started on a loaded machine

/// Why the engine cannot start here, if it cannot.
QString engineMissing()
{
    if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + u"/quillmere-preview.so"_s))
        return u"the preview module is not built here (Qt WebEngine is not installed)"_s;
    const QString helper = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + u"/QtWebEngineProcess"_s;
    if (!QFileInfo(helper).isExecutable())
        return u"the engine's helper process is not installed: "_s + helper;
    if (!QFileInfo(u"/proc/self/exe"_s).exists() || !QFileInfo(u"/dev/shm"_s).isWritable())
        return u"the engine's processes need /proc and a writable /dev/shm (a chroot?)"_s;
    return {};
}

/// Depth-first search of an accessibility tree.
QAccessibleInterface *findNode(QAccessibleInterface *node, const std::function<bool(QAccessibleInterface *)> &match)
{
    if (!node)
        return nullptr;
    if (match(node))
        return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *found = findNode(node->child(i), match))
            return found;
    return nullptr;
}

class Preview : public testsupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        // The window's place is kept in the user's settings: these go to a folder of the test's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        if (const QString why = engineMissing(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        MainWindowFixture::SetUp();
    }

    /// Puts the text in the editor and presses F12; waits until the page's title shows.
    void open(const QString &text, const QString &title)
    {
        rt.setEditorText(editor(), text);
        pressF12(editor());
        ASSERT_TRUE(rt.isOpen(PreviewWindowName)) << "panel 8: " << qPrintable(panel(8));
        // The engine builds the page's tree for assistive technology once it is asked for.
        QAccessible::setActive(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page() && page()->text(QAccessible::Name) == title; }, Patience))
            << "status: " << qPrintable(rt.getCaption(Status));
    }

    /// F12 with the focus on the control, in its active window.
    void pressF12(const ui::ControlRef &where)
    {
        QWidget *w = ui::testing::widget(rt, where);
        w->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == w->window(); }, 5000));
        w->setFocus();
        QTest::keyClick(w, Qt::Key_F12);
    }

    /// The page's root in the accessibility tree under the 预览 window.
    QAccessibleInterface *page()
    {
        QWidget *view = ui::testing::widget(rt, View);
        return view ? findNode(QAccessible::queryAccessibleInterface(view),
                               [](QAccessibleInterface *n) { return n->role() == QAccessible::WebDocument; })
                    : nullptr;
    }

    /// The node of the page with the role whose text is the given one.
    QAccessibleInterface *node(QAccessible::Role role, const QString &name)
    {
        return findNode(page(), [&](QAccessibleInterface *n) { return n->role() == role && n->text(QAccessible::Name) == name; });
    }

    bool shows(QAccessible::Role role, const QString &name)
    {
        return QTest::qWaitFor([&] { return node(role, name) != nullptr; }, Patience);
    }

    /// Scrolls the preview down until the paragraph is in view; returns its distance from the top.
    int scrollTo(const QString &paragraph)
    {
        QWidget *drawn = renderWidget();
        drawn->window()->activateWindow();
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == drawn->window(); }, 5000))
            return -1;
        drawn->setFocus();
        for (int i = 0; i < 40 && !QTest::qWaitFor([&] { return top(paragraph) < drawn->height(); }, 1000); ++i)
            QTest::keyClick(drawn, Qt::Key_PageDown);
        return top(paragraph);
    }

    /// Opens a page of 200 paragraphs (its text in `text`) scrolled down until paragraph 100 is
    /// in view (where it stands in `before`).
    void openLongPageAtParagraph100(QString &text, int &before)
    {
        text = u"<title>Long</title>"_s;
        for (int i = 0; i < 200; ++i)
            text += u"<p>Paragraph %1</p>\n"_s.arg(i);
        ASSERT_NO_FATAL_FAILURE(open(text, u"Long"_s));
        ASSERT_TRUE(shows(QAccessible::StaticText, u"Paragraph 100"_s));
        before = scrollTo(u"Paragraph 100"_s);
        ASSERT_TRUE(before > 0 && before < renderWidget()->height()) << "the page did not scroll to paragraph 100: " << before;
    }

    /// Where the paragraph stands in the preview's view: -1 where it is not in the page.
    int top(const QString &paragraph)
    {
        QAccessibleInterface *p = node(QAccessible::StaticText, paragraph);
        return p ? p->rect().top() - renderWidget()->mapToGlobal(QPoint(0, 0)).y() : -1;
    }

    /// The widget the engine draws the page in and takes the mouse with.
    QWidget *renderWidget()
    {
        QWidget *w = ui::testing::widget(rt, View);
        while (w && w->focusProxy())
            w = w->focusProxy();
        return w;
    }

    QTemporaryDir settings;
};

} // namespace

TEST(PreviewDefinition, PassesTheLint)
{
    document::Session s(u"MainWindow"_s);
    EXPECT_EQ(ui::lintDefinition(document::previewWindowDefinition(s)), QStringList());
}

TEST_F(Preview, F12OpensThePageTitledAndReadableAndClosesIt)
{
    ASSERT_NO_FATAL_FAILURE(open(u"<html><head><title>Page title</title></head><body><h1>Heading</h1><p>Words</p></body></html>"_s,
         u"Page title"_s));
    EXPECT_EQ(ui::testing::widget(rt, {PreviewWindowName, {}})->windowTitle(), u"预览"_s);
    EXPECT_TRUE(shows(QAccessible::Heading, u"Heading"_s));
    EXPECT_TRUE(rt.getCaption(Status).contains(u"文档尚未保存"_s)) << qPrintable(rt.getCaption(Status));
    // F12 in the preview closes it, as it does in the MainWindow; the close box too.
    pressF12(View);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(PreviewWindowName); }, 5000));
    pressF12(editor());
    ASSERT_TRUE(rt.isOpen(PreviewWindowName));
    ui::testing::widget(rt, {PreviewWindowName, {}})->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(PreviewWindowName); }, 5000));
}

TEST_F(Preview, AnEditShowsUpKeepingWhatWasInView)
{
    // Scrolled down until paragraph 100 is in view; it stays where it stands after an edit above it.
    QString text;
    int before = 0;
    ASSERT_NO_FATAL_FAILURE(openLongPageAtParagraph100(text, before));
    const int height = renderWidget()->height();
    rt.selectEditorRange(editor(), 0, 0);
    rt.insertAtCaret(editor(), u"<b>Added words</b>"_s);
    ASSERT_TRUE(shows(QAccessible::StaticText, u"Added words"_s));
    // Shown again at the same scroll offset: paragraph 100 moves down by the added row, within the
    // view (from the top it would be some 3000 pixels down).
    EXPECT_TRUE(QTest::qWaitFor([&] { return top(u"Paragraph 100"_s) > before && top(u"Paragraph 100"_s) < height; }, Patience))
        << before << " then " << top(u"Paragraph 100"_s);
}

TEST_F(Preview, AspBecomesPlaceholdersAndIncludesAreInlined)
{
    testsupport::putContent(dir.filePath(u"head.inc"_s), "<h2>Included heading</h2>");
    const QString page = dir.filePath(u"page.asp"_s);
    testsupport::putContent(page, "<title>Asp</title><!--#include file=\"head.inc\"--><p>Before <% Response.Write \"x\" %> after</p>");
    ASSERT_TRUE(document::openFile(rt, session(), page));
    ASSERT_NO_FATAL_FAILURE(open(rt.getEditorText(editor()), u"Asp"_s));
    EXPECT_TRUE(shows(QAccessible::Heading, u"Included heading"_s));
    EXPECT_TRUE(shows(QAccessible::StaticText, u"Response.Write \"x\""_s));
    EXPECT_NE(node(QAccessible::Section, u"ASP 代码"_s), nullptr);
    EXPECT_TRUE(rt.getCaption(Status).contains(QDir::toNativeSeparators(dir.path()))) << qPrintable(rt.getCaption(Status));
}

TEST_F(Preview, RemoteRequestsWaitForTheCheckBox)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString img = u"http://127.0.0.1:%1/a.png"_s.arg(server.serverPort());
    ASSERT_NO_FATAL_FAILURE(open(u"<title>Remote</title><p>Text</p><img src=\"%1\" alt=\"picture\">"_s.arg(img), u"Remote"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.getCaption(Status).contains(u"已阻止 1 个联网请求"_s); }, Patience))
        << qPrintable(rt.getCaption(Status));
    EXPECT_TRUE(rt.getCaption(Status).contains(img));
    EXPECT_FALSE(server.hasPendingConnections());
    // Allowed for this window, the page is shown again and the picture asked for.
    qobject_cast<QAbstractButton *>(ui::testing::widget(rt, Network))->click();
    // Waited for with the events running: the page's answers come through them.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, Patience));
}

TEST_F(Preview, DoubleClickPutsTheCaretAtTheElementsSource)
{
    QString text = u"<title>Click</title>\n"_s;
    for (int i = 0; i < 4; ++i) // the targets stay in the preview's view, where a click can reach them
        text += u"<p>Filler %1</p>\n"_s.arg(i);
    const QString target = u"<p>Before <em>Target</em> after</p>"_s, asp = u"<% Session(\"x\") = 1 %>"_s;
    text += target + u"\n<div>"_s + asp + u"</div>\n"_s;
    ASSERT_NO_FATAL_FAILURE(open(text, u"Click"_s));
    struct Pick {
        QAccessible::Role role;
        QString name;
        qint64 source;
    };
    const qint64 em = text.toUtf8().indexOf("<em>"), block = text.toUtf8().indexOf("<%");
    for (const Pick &pick : {Pick{QAccessible::StaticText, u"Target"_s, em},
                             Pick{QAccessible::StaticText, u"Session(\"x\") = 1"_s, block}}) {
        ASSERT_TRUE(shows(pick.role, pick.name)) << qPrintable(pick.name);
        rt.selectEditorRange(editor(), 0, 0);
        QWidget *drawn = renderWidget();
        const QPoint at = drawn->mapFromGlobal(node(pick.role, pick.name)->rect().center());
        QTest::mouseDClick(drawn, Qt::LeftButton, {}, at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return rt.getEditorSelection(editor()).first == pick.source; }, Patience))
            << qPrintable(pick.name) << ": caret at " << rt.getEditorSelection(editor()).first << ", not " << pick.source;
    }
}

TEST_F(Preview, AnEndlessScriptNeitherHoldsTheEditorNorTheNextPage)
{
    // The script starts once the page has loaded, and never ends: the renderer is busy for good
    // (and builds no tree for a reader any more). The editor is not, and the next text is shown.
    rt.setEditorText(editor(), u"<title>Busy</title><body onload=\"setTimeout(function () { while (true) {} }, 0)\"><p>Stuck</p>"_s);
    pressF12(editor());
    ASSERT_TRUE(rt.isOpen(PreviewWindowName)) << "panel 8: " << qPrintable(panel(8));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const QString status = rt.getCaption(Status);
        return !status.isEmpty() && !status.contains(u"正在更新"_s);
    }, Patience)) << qPrintable(rt.getCaption(Status));
    QAccessible::setActive(true);
    rt.setEditorText(editor(), u"<title>Free</title><h1>Free again</h1>"_s);
    EXPECT_TRUE(shows(QAccessible::Heading, u"Free again"_s)) << qPrintable(rt.getCaption(Status));
    EXPECT_TRUE(rt.getCaption(Status).contains(u"页面的脚本没有响应"_s)) << qPrintable(rt.getCaption(Status));
    pressF12(editor());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(PreviewWindowName); }, 5000));
}

TEST_F(Preview, TheWindowKeepsItsSizeAndPlace)
{
    ASSERT_NO_FATAL_FAILURE(open(u"<title>Place</title>"_s, u"Place"_s));
    const ui::ControlRef window{PreviewWindowName, {}};
    rt.setBounds(window, ui::Bound::Width, 500);
    rt.setBounds(window, ui::Bound::Height, 420);
    rt.setBounds(window, ui::Bound::Left, 33);
    rt.setBounds(window, ui::Bound::Top, 44);
    pressF12(editor());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(PreviewWindowName); }, 5000));
    pressF12(editor());
    ASSERT_TRUE(rt.isOpen(PreviewWindowName));
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Width), 500);
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Height), 420);
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Left), 33);
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Top), 44);
}

TEST_F(Preview, APageStillLoadingGivesWayToTheNextKeepingWhatWasInView)
{
    // A page whose script never ends while it is parsed never finishes loading; its process
    // would take the next page only once it had. A page waiting for a picture that never
    // comes does not finish either.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QString text;
    int before = 0;
    ASSERT_NO_FATAL_FAILURE(openLongPageAtParagraph100(text, before));
    qobject_cast<QAbstractButton *>(ui::testing::widget(rt, Network))->click();
    const QString never = u"<img src=\"http://127.0.0.1:%1/a.png\" alt=\"never\">"_s.arg(server.serverPort());
    const auto asked = [&] { // the page has asked for its picture: it is being parsed
        const bool was = QTest::qWaitFor([&] { return server.hasPendingConnections(); }, Patience);
        delete server.nextPendingConnection();
        return was;
    };
    rt.setEditorText(editor(), text + never + u"<h1>Waiting</h1>"_s);
    ASSERT_TRUE(shows(QAccessible::Heading, u"Waiting"_s));
    ASSERT_TRUE(asked());
    rt.setEditorText(editor(), text + never + u"<h1>Stuck</h1><script>while (true) {}</script>"_s);
    ASSERT_TRUE(asked());
    rt.setEditorText(editor(), text + u"<h1>Free again</h1>"_s);
    EXPECT_TRUE(shows(QAccessible::Heading, u"Free again"_s)) << qPrintable(rt.getCaption(Status));
    EXPECT_FALSE(rt.getCaption(Status).contains(u"没有响应"_s)) << qPrintable(rt.getCaption(Status));
    EXPECT_TRUE(QTest::qWaitFor([&] { return top(u"Paragraph 100"_s) == before; }, Patience))
        << before << " then " << top(u"Paragraph 100"_s);
}
