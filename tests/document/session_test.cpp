// SPDX-License-Identifier: GPL-3.0-or-later
// Two documents side by side in one runtime, each in a window of its own with its own session:
// whatever is done to the second leaves the first's text, modified flag, encoding, path, find
// settings, selection and status notes as they were.
#include "support/main_window_fixture.h"

#include "document/commands.h"
#include "document/find_dialog.h"
#include "document/lifecycle.h"
#include "document/status_note.h"
#include "reference/keywords.h"
#include "support/files.h"

#include <QAbstractButton>

using namespace testsupport;

namespace {

/// A window of what a session talks to (its editor, status bar and file dialog) with the
/// document's own bindings; the MainWindow's other units are not there and stay unbound.
ui::WindowDefinition documentWindow(document::Session &s)
{
    ui::WindowDefinition def{.name = s.window(), .caption = s.window(), .width = 500, .height = 300};
    def.controls = {
        {.unit = s.editor().unit, .kind = ui::Kind::CodeEditor, .geometry = {0, 0, 480, 220}},
        {.unit = s.statusBar().unit, .kind = ui::Kind::StatusBar, .items = QStringList(9)},
        {.unit = s.fileDialog().unit, .kind = ui::Kind::CommonDialog},
    };
    def.bind(document::mainWindowBindings(s));
    return def;
}

/// What a session holds and shows.
struct Seen {
    QString text;
    qint64 selectionFrom, selectionTo;
    bool modified;
    core::Encoding encoding;
    QString path, findPattern;
    QStringList panels;
    QString noteToolTip;
    friend bool operator==(const Seen &, const Seen &) = default;
};

std::ostream &operator<<(std::ostream &out, const Seen &s)
{
    return out << "text \"" << s.text.toStdString() << "\" selection " << s.selectionFrom << "-" << s.selectionTo
               << " modified " << s.modified << " encoding " << int(s.encoding) << " path \"" << s.path.toStdString()
               << "\" find \"" << s.findPattern.toStdString() << "\" panels \"" << s.panels.join(u'|').toStdString()
               << "\" tooltip \"" << s.noteToolTip.toStdString() << '"';
}

class TwoSessions : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The first keeps an unchanged, empty text: nothing done to the second may raise its flag.
        rt.openWindow(documentWindow(first), false);
        rt.openWindow(documentWindow(second), false);
        rt.setEditorText(second.editor(), u"<p>一段文字</p>\r\n<p>文字</p>"_s);
        QCoreApplication::processEvents(); // the caret panels of both, as shown
    }
    void TearDown() override
    {
        // The second first (its exit check asks; the script answers No): the program ends with
        // the first window opened, and ending it inside the question's loop would end later loops.
        for (document::Session *s : {&second, &first}) {
            rt.closeWindow(s->window());
            ASSERT_EVENTUALLY(!rt.isOpen(s->window()));
        }
    }

    Seen seen(document::Session &s)
    {
        const auto [from, to] = rt.getEditorSelection(s.editor());
        QStringList panels;
        for (int i = 0; i < 9; ++i)
            panels << rt.getPanelText(s.statusBar(), i);
        return {rt.getEditorText(s.editor()), from, to, s.isModified(), s.encoding(), s.path(),
                s.findSettings().pattern, panels, rt.getPanelToolTip(s.statusBar(), document::NotePanel)};
    }

public:
    document::Session first{u"MainWindow"_s}, second{u"SecondWindow"_s}; // outlive the runtime
    ui::UiRuntime rt;
    DialogScript script;
    QTemporaryDir dir;
};

/// Something done to the second session, and whether it changed there what it should.
struct Act {
    const char *name;
    std::function<void(TwoSessions &, ui::UiRuntime &, document::Session &)> act;
    std::function<bool(const Seen &before, const Seen &after)> changed;
};

void PrintTo(const Act &act, std::ostream *out) { *out << act.name; }

const Act Acts[] = {
    {"typing",
     [](TwoSessions &, ui::UiRuntime &rt, document::Session &s) {
         QTest::keyClicks(ui::testing::widget(rt, s.editor()), u"abc"_s);
     },
     [](const Seen &b, const Seen &a) { return a.text != b.text && a.panels[5] != b.panels[5]; }},
    {"opening a UTF-8 file",
     [](TwoSessions &t, ui::UiRuntime &rt, document::Session &s) {
         testsupport::putContent(t.dir.filePath(u"page.html"_s), "<p>\xE4\xB8\x80</p>");
         document::openFile(rt, s, t.dir.filePath(u"page.html"_s));
     },
     [](const Seen &, const Seen &a) {
         return a.text == u"<p>一</p>"_s && a.encoding == core::Encoding::Utf8 && a.path.endsWith(u"page.html"_s) &&
                a.panels[document::NotePanel] == u"UTF-8"_s;
     }},
    {"saving",
     [](TwoSessions &t, ui::UiRuntime &rt, document::Session &s) {
         document::saveFile(rt, s, t.dir.filePath(u"saved.html"_s));
     },
     [](const Seen &, const Seen &a) { return a.path.endsWith(u"saved.html"_s); }},
    {"finding",
     [](TwoSessions &, ui::UiRuntime &rt, document::Session &s) {
         rt.selectEditorRange(s.editor(), 9, 15); // 文字 on the first line
         document::openFind(rt, s);
         rt.closeWindow(document::FindWindowName);
         ASSERT_EVENTUALLY(!rt.isOpen(document::FindWindowName));
         document::findNext(rt, s); // F3: 文字 on the second line
     },
     [](const Seen &, const Seen &a) { return a.findPattern == u"文字"_s && a.selectionFrom == 24; }},
    {"a brief note",
     [](TwoSessions &, ui::UiRuntime &rt, document::Session &s) { document::showBriefNote(rt, s, u"提示"_s); },
     [](const Seen &, const Seen &a) { return a.panels[document::NotePanel] == u"提示"_s; }},
    {"a standing note and hint",
     [](TwoSessions &, ui::UiRuntime &rt, document::Session &s) {
         document::showStatusNote(rt, s, u"注"_s, u"说明"_s);
         document::setStatusHint(rt, s, u"Ctrl+E"_s);
     },
     [](const Seen &, const Seen &a) {
         return a.panels[document::NotePanel] == u"注"_s && a.noteToolTip == u"说明\nCtrl+E"_s;
     }},
    {"a new document",
     [](TwoSessions &, ui::UiRuntime &rt, document::Session &s) {
         s.setEncoding(core::Encoding::Utf8, core::EncodingSource::Bytes);
         s.setPath(u"/tmp/old.html"_s);
         document::newDocument(rt, s, {u"<%"_s, u"%>"_s}); // the question is answered No
     },
     [](const Seen &, const Seen &a) {
         return a.text == u"<%%>"_s && a.encoding == core::Encoding::Gb18030 && a.path.isEmpty();
     }},
};

class ActingOnTheSecond : public TwoSessions, public ::testing::WithParamInterface<Act> {};

} // namespace

TEST_P(ActingOnTheSecond, LeavesTheFirstAsItWas)
{
    const Seen firstBefore = seen(first), secondBefore = seen(second);
    GetParam().act(*this, rt, second);
    QCoreApplication::processEvents();
    const Seen secondAfter = seen(second);
    EXPECT_TRUE(GetParam().changed(secondBefore, secondAfter)) << secondAfter;
    EXPECT_EQ(seen(first), firstBefore);
    EXPECT_FALSE(first.isModified()); // its text never changed
}

INSTANTIATE_TEST_SUITE_P(Each, ActingOnTheSecond, ::testing::ValuesIn(Acts), [](const auto &info) {
    std::string name;
    for (const char *c = info.param.name; *c; ++c)
        if (std::isalnum(uchar(*c)))
            name += *c;
    return name;
});

TEST_F(TwoSessions, AnInsertionRedirectedInOneIsTheOnlyOneRedirected)
{
    document::Pieces taken;
    first.redirectInsertions([&taken](ui::UiRuntime &, const document::Pieces &p) { taken = p; });
    rt.setEditorText(second.editor(), {});
    document::insertPieces(rt, second, {u"<b>"_s, u"</b>"_s});
    EXPECT_EQ(rt.getEditorText(second.editor()), u"<b></b>"_s);
    EXPECT_TRUE(taken.empty());
    document::insertPieces(rt, first, {u"<i>"_s});
    EXPECT_EQ(taken, document::Pieces{u"<i>"_s});
    EXPECT_EQ(rt.getEditorText(first.editor()), QString());
    first.redirectInsertions({});
}

/// Two MainWindows: the commands of every subsystem work on their own window's document.
TEST(TwoMainWindows, TheCommandsOfTheSecondLeaveTheFirst)
{
    DialogScript script; // answers the exit checks No
    app::MainWindow first, second({}, u"SecondWindow"_s);
    ui::UiRuntime rt;
    rt.openWindow(first.definition(), false);
    rt.openWindow(second.definition(), false);
    const document::Session &s = second.session();
    const QString firstText = rt.getEditorText(first.session().editor());
    const ui::ControlRef firstPane = first.session().unit(u"新选择夹2"_s);
    const int firstPage = rt.getCurrentPage(firstPane);
    rt.onWindowShown = [&](const QString &dialog) { // a tag dialog: OK
        qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {dialog, u"超级按钮1"_s}))->click();
    };
    rt.setListIndex(s.unit(u"列表框2"_s), 0);
    const struct {
        QString unit;
        ui::Event event;
        QString inserted;
    } commands[] = {
        {u"插入/水平线"_s, ui::Event::Clicked, u"<hr>"_s},                      // a snippet
        {u"插入/日期标签"_s, ui::Event::Clicked, u"星期二 "_s},                  // a tag dialog
        {u"列表框2"_s, ui::Event::DoubleClick, reference::vbKeywords().front()}, // a reference list
        {u"工具/vb参考"_s, ui::Event::Clicked, {}},                             // the reference pane
    };
    QString expected = rt.getEditorText(s.editor());
    for (const auto &c : commands) {
        ui::testing::raise(rt, s.unit(c.unit), c.event);
        expected += c.inserted;
        EXPECT_EQ(rt.getEditorText(s.editor()), expected) << c.unit.toStdString();
        EXPECT_EQ(rt.getEditorText(first.session().editor()), firstText) << c.unit.toStdString();
    }
    rt.onWindowShown = nullptr;
    EXPECT_EQ(rt.getCurrentPage(s.unit(u"新选择夹2"_s)), 0);
    EXPECT_EQ(rt.getCurrentPage(firstPane), firstPage);
    for (app::MainWindow *w : {&second, &first}) { // the first last, as in TwoSessions
        rt.closeWindow(w->session().window());
        ASSERT_EVENTUALLY(!rt.isOpen(w->session().window()));
    }
}
