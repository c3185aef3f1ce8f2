// SPDX-License-Identifier: GPL-3.0-or-later
// The MainWindow's keyboard shortcuts: each runs its menu item's own command from whichever
// control has the focus, none reaches into a dialog, the menus show the keys, and the editor's
// own keys keep working.
#include "app/shortcuts.h"
#include "support/main_window_fixture.h"
#include "document/templates.h"
#include "markup/hyperlink_dialog.h"
#include "markup/tag_dialog.h"
#include "ui/definition_lint.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>

using namespace Qt::Literals::StringLiterals;

namespace {

using testsupport::Main;

QKeySequence keysOf(const QString &portable) { return QKeySequence::fromString(portable, QKeySequence::PortableText); }

using testsupport::press;

/// The MainWindow's definition with every shortcut's command replaced by a recorder: a menu
/// item's Clicked handler records the item, a handler of its own records its keys.
ui::WindowDefinition recordingDefinition(app::MainWindow &main, QStringList &ran)
{
    ui::WindowDefinition def = main.definition();
    for (ui::Shortcut &s : def.shortcuts) {
        if (s.unit.isEmpty()) {
            s.handler = [&ran, keys = s.keys](ui::UiRuntime &) { ran << keys; };
            continue;
        }
        for (ui::Binding &b : def.find(s.unit)->bindings)
            if (b.event == ui::Event::Clicked)
                b.handler = [&ran, unit = s.unit](ui::UiRuntime &) { ran << unit; };
    }
    return def;
}

class RecordedShortcuts : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(recordingDefinition(main, ran), false); }
    void TearDown() override
    {
        testsupport::DialogScript answersNo;
        rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    QWidget *widget(const QString &unit) { return ui::testing::widget(rt, {Main, unit}); }
    QStringList ran;
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

using Shortcuts = testsupport::MainWindowFixture;

} // namespace

TEST(ShortcutTable, PassesTheLintAndCoversTheUsualKeys)
{
    app::MainWindow main;
    const ui::WindowDefinition def = main.definition();
    EXPECT_EQ(ui::lintDefinition(def), QStringList());
    QStringList keys;
    for (const auto &s : def.shortcuts)
        keys << keysOf(s.keys).toString(QKeySequence::PortableText);
    for (const char *k : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+X",
                          "Ctrl+C", "Ctrl+V", "Ctrl+A"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(k))) << k;
}

TEST(ShortcutTable, LintNamesEveryFaultyRow)
{
    app::MainWindow main;
    ui::WindowDefinition def = main.definition();
    const auto nothing = [](ui::UiRuntime &) {};
    def.shortcuts = {
        {u"Ctrl+Q"_s, u"文件/不存在"_s},     // no such item
        {u"Ctlr+W"_s, u"文件/打开"_s},       // not keys
        {u"Ctrl+K, Ctrl+L"_s, {}, nothing},  // two combinations
        {u"Ctrl+O"_s, u"文件/打开"_s},
        {u"ctrl+o"_s, u"文件/保存"_s},       // the same keys again
        {u"Ctrl+1"_s, u"文件/新建"_s},       // a submenu
        {u"Ctrl+2"_s, u"文件/打开"_s, nothing}, // both
        {u"Ctrl+3"_s},                        // neither
        {u"Ctrl+4"_s, u"编辑/删除"_s},
    };
    def.find(u"编辑/删除"_s)->bindings.clear();
    const QStringList problems = ui::lintDefinition(def);
    const QStringList expected = {
        u"shortcut Ctrl+Q: 文件/不存在 is not a menu item"_s,
        u"shortcut Ctlr+W: not one key combination"_s,
        u"shortcut Ctrl+K, Ctrl+L: not one key combination"_s,
        u"shortcut ctrl+o: keys used twice"_s,
        u"shortcut Ctrl+1: 文件/新建 is not a menu item"_s,
        u"shortcut Ctrl+2: needs either a menu item or a handler"_s,
        u"shortcut Ctrl+3: needs either a menu item or a handler"_s,
        u"shortcut Ctrl+4: 编辑/删除 has no Clicked binding to run"_s,
    };
    EXPECT_EQ(problems, expected);
}

TEST_F(RecordedShortcuts, EachRunsItsCommandWhereverTheFocusIs)
{
    const ui::WindowDefinition def = main.definition();
    // The editor, a keyword list of the reference pane (its start page's) and the toolbar's tabs.
    auto *tabs = widget(u"新选择夹1"_s)->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    const std::pair<const char *, QWidget *> places[] = {
        {"editor", widget(u"超级编辑框1"_s)}, {"list", widget(u"列表框1"_s)}, {"toolbar", tabs}};
    for (const auto &[where, focus] : places) {
        ASSERT_NE(focus, nullptr) << where;
        for (const ui::Shortcut &s : def.shortcuts) {
            ran.clear();
            press(focus, s.keys);
            EXPECT_EQ(ran.join(u", ").toStdString(), (s.unit.isEmpty() ? s.keys : s.unit).toStdString())
                << where << " " << s.keys.toStdString();
        }
    }
}

TEST_F(RecordedShortcuts, NoneReachesIntoAnOpenTagDialog)
{
    QString fieldSelection;
    rt.onWindowShown = [&](const QString &name) {
        auto *field = qobject_cast<QLineEdit *>(ui::testing::widget(rt, {name, u"编辑框1"_s}));
        ASSERT_NE(field, nullptr);
        field->setText(u"page.html"_s);
        for (const ui::Shortcut &s : main.definition().shortcuts)
            if (s.keys != u"Ctrl+X" && s.keys != u"Ctrl+Z") // those would change the field
                press(field, s.keys);
        fieldSelection = field->selectedText(); // Ctrl+A went to the field
        rt.closeWindow(name);
    };
    markup::openTagDialog(rt, markup::hyperlinkDialog(main.session()));
    rt.onWindowShown = nullptr;
    EXPECT_EQ(ran.join(u", ").toStdString(), "");
    EXPECT_EQ(fieldSelection, u"page.html"_s);
    // Back in the MainWindow the keys work again.
    press(widget(u"超级编辑框1"_s), u"Ctrl+S"_s);
    EXPECT_EQ(ran, QStringList{u"文件/保存"_s});
}

TEST_F(RecordedShortcuts, MenusShowTheKeysAndKeepTheirCaptions)
{
    for (const ui::Shortcut &s : main.definition().shortcuts) {
        if (s.unit.isEmpty())
            continue;
        QAction *action = ui::testing::menuAction(rt, {Main, s.unit});
        ASSERT_NE(action, nullptr) << s.unit.toStdString();
        const QString caption = s.unit.section(u'/', -1);
        EXPECT_EQ(action->text(), caption);
        EXPECT_EQ(action->shortcut(), keysOf(s.keys)) << s.unit.toStdString();
        // A screen reader announces the caption as the item's name and the keys apart.
        auto *menu = qobject_cast<QMenu *>(action->parent());
        ASSERT_NE(menu, nullptr);
        QAccessibleInterface *menuIface = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(menuIface, nullptr);
        QAccessibleInterface *item = menuIface->child(int(menu->actions().indexOf(action)));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), caption);
        EXPECT_EQ(keysOf(item->text(QAccessible::Accelerator)), keysOf(s.keys));
    }
    // The pop-up menu's items of the same captions stay as they were.
    EXPECT_TRUE(ui::testing::menuAction(rt, {Main, u"鼠标菜单/剪切"_s})->shortcut().isEmpty());
}

TEST_F(Shortcuts, NewAsksBeforeReplacingAModifiedText)
{
    QWidget *ed = ui::testing::widget(rt, editor());
    type(u"改"_s);
    const QString typed = text();
    script.answers = {QMessageBox::Cancel};
    press(ed, u"Ctrl+N"_s);
    EXPECT_EQ(script.boxTitles(), QStringList{u"询问"_s});
    EXPECT_EQ(script.boxes.at(0).text, u"文件已经被修改，是否保存？"_s);
    EXPECT_EQ(text(), typed);
    script.answers = {QMessageBox::No};
    press(ed, u"Ctrl+N"_s);
    EXPECT_EQ(script.boxes.size(), 2u);
    QString page;
    for (const QString &piece : document::newPageTemplate())
        page += piece;
    EXPECT_EQ(text(), page);
}

TEST_F(Shortcuts, OpenAndSaveShowTheirFileDialogs)
{
    QWidget *list = ui::testing::widget(rt, {Main, u"列表框1"_s});
    press(list, u"Ctrl+S"_s);
    press(list, u"Ctrl+Shift+S"_s);
    press(list, u"Ctrl+O"_s);
    ASSERT_EQ(script.fileDialogs.size(), 3u);
    EXPECT_EQ(script.fileDialogs[0].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(script.fileDialogs[1].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(script.fileDialogs[2].mode, QFileDialog::AcceptOpen);
}

TEST_F(Shortcuts, EditingKeysActOnTheEditor)
{
    auto *ed = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, editor()));
    rt.setEditorText(editor(), u"alpha"_s);
    ed->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    type(u"β"_s);
    EXPECT_EQ(text(), u"alphaβ"_s);
    press(ed, u"Ctrl+Z"_s);
    EXPECT_EQ(text(), u"alpha"_s);
    press(ed, u"Ctrl+Y"_s);
    EXPECT_EQ(text(), u"alphaβ"_s);
    press(ed, u"Ctrl+Z"_s);
    press(ed, u"Ctrl+Shift+Z"_s);
    EXPECT_EQ(text(), u"alphaβ"_s);

    press(ed, u"Ctrl+A"_s);
    EXPECT_EQ(rt.getSelectionLength(editor()), 6);
    press(ed, u"Ctrl+C"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"alphaβ"_s);
    press(ed, u"Ctrl+X"_s);
    EXPECT_EQ(text(), QString());
    press(ed, u"Ctrl+V"_s);
    press(ed, u"Ctrl+V"_s);
    EXPECT_EQ(text(), u"alphaβalphaβ"_s);
    // With the focus in a keyword list the keys still act on the editor's text.
    press(ui::testing::widget(rt, {Main, u"列表框1"_s}), u"Ctrl+Z"_s);
    EXPECT_EQ(text(), u"alphaβ"_s);
}

TEST_F(Shortcuts, TheEditorsOwnKeysKeepWorking)
{
    auto *ed = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, editor()));
    rt.setEditorText(editor(), u"one two\r\nthree"_s);
    auto caret = [&] { return ed->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS); };
    press(ed, u"Ctrl+End"_s);
    EXPECT_EQ(caret(), 14);
    press(ed, u"Home"_s);
    EXPECT_EQ(caret(), 9);
    press(ed, u"Ctrl+Home"_s);
    EXPECT_EQ(caret(), 0);
    press(ed, u"Ctrl+Right"_s);
    EXPECT_EQ(caret(), 4);
    press(ed, u"Shift+End"_s);
    EXPECT_EQ(rt.getSelectionLength(editor()), 3);
    press(ed, u"End"_s);
    press(ed, u"Tab"_s);
    EXPECT_EQ(text(), u"one two\t\r\nthree"_s);
}
