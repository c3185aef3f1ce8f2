// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime layer on small windows of the tests' own: the CodeEditor operations, the index
// rules of lists, combo boxes, tab controls and status bars, message boxes, modal and deferred
// window handling, bounds, the common dialog, the fatal-error report and library calls.
#include "support/eventually.h"
#include "support/show_catcher.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using ui::ControlDef;
using ui::Kind;

namespace {

const QString Probe = u"Probe"_s;
ui::ControlRef ref(const QString &unit) { return {Probe, unit}; }
const ui::ControlRef Editor = ref(u"超级编辑框1"_s);

/// A window with one control of each kind the operations act on.
ui::WindowDefinition probe()
{
    ui::WindowDefinition def{.name = Probe, .caption = u"probe"_s, .width = 500, .height = 400};
    def.controls = {
        {.unit = u"超级编辑框1"_s, .kind = Kind::CodeEditor, .geometry = {0, 0, 300, 100}},
        {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {310, 0, 60, 20}, .caption = u"名称："_s},
        {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .geometry = {370, 0, 100, 20}, .caption = u"默认"_s},
        {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .geometry = {310, 30, 100, 20},
         .items = {u"_blank"_s, u"_top"_s, u"_self"_s}, .current = 1},
        {.unit = u"列表框1"_s, .kind = Kind::ListBox, .geometry = {310, 60, 100, 60},
         .items = {u"one"_s, u"two"_s, u"three"_s}},
        {.unit = u"选择夹1"_s, .kind = Kind::TabControl, .geometry = {0, 110, 300, 100},
         .items = {u"甲"_s, u"乙"_s, u"丙"_s}, .current = 1},
        {.unit = u"按钮1"_s, .kind = Kind::PushButton, .parent = u"选择夹1"_s, .page = 0,
         .geometry = {5, 30, 60, 24}, .caption = u"一"_s},
        {.unit = u"按钮2"_s, .kind = Kind::PushButton, .parent = u"选择夹1"_s, .page = 1,
         .geometry = {5, 30, 60, 24}, .caption = u"二"_s},
        {.unit = u"状态条1"_s, .kind = Kind::StatusBar, .items = {u"a"_s, u"b"_s, u"c"_s}, .widths = {40, 40, 40}},
        {.unit = u"通用对话框1"_s, .kind = Kind::CommonDialog, .visible = false,
         .filter = u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_s, .initialFilter = 1},
    };
    return def;
}

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(probe(), false); }
    void TearDown() override
    {
        rt.closeWindow(Probe);
        ASSERT_EVENTUALLY(!rt.isOpen(Probe));
    }
    QsciScintilla *editor() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }
    /// Selects characters [from, to) of the first line, as the user's mouse would.
    void select(int from, int to) { editor()->setSelection(0, from, 0, to); }
    ui::UiRuntime rt;
};

} // namespace

TEST_F(RuntimeTest, InsertAtCaretReplacesTheSelectionAndLeavesTheCaretBehind)
{
    int changes = 0;
    QObject::connect(editor(), &QsciScintilla::textChanged, [&] { ++changes; });
    rt.setEditorText(Editor, u"xxabcyy"_s);
    select(2, 5);
    EXPECT_EQ(rt.getSelectionLength(Editor), 3);
    rt.insertAtCaret(Editor, u"<br>"_s);
    rt.insertAtCaret(Editor, u"中"_s); // continues behind the first text
    EXPECT_EQ(rt.getEditorText(Editor), u"xx<br>中yy"_s);
    EXPECT_EQ(rt.getSelectionLength(Editor), 0);
    EXPECT_EQ(rt.getCaretColumn(Editor), 7);

    // An empty text only removes the selection …
    select(0, 2);
    rt.insertAtCaret(Editor, {});
    EXPECT_EQ(rt.getEditorText(Editor), u"<br>中yy"_s);
    // … and without a selection changes nothing at all.
    changes = 0;
    rt.insertAtCaret(Editor, {});
    EXPECT_EQ(rt.getEditorText(Editor), u"<br>中yy"_s);
    EXPECT_EQ(changes, 0);

    // Select all, then one insertion: the editor holds exactly that text.
    rt.selectAllText(Editor);
    EXPECT_EQ(rt.getSelectionLength(Editor), 7);
    rt.insertAtCaret(Editor, u"x"_s);
    EXPECT_EQ(rt.getEditorText(Editor), u"x"_s);
    EXPECT_EQ(rt.getEditorByteLength(Editor), 1);
}

TEST_F(RuntimeTest, LineCountAndCaretLine)
{
    EXPECT_EQ(rt.getLineCount(Editor), 1); // empty editor
    EXPECT_EQ(rt.getCaretLine(Editor), 0);
    rt.insertAtCaret(Editor, u"one\r\ntwo\r\nthree"_s);
    EXPECT_EQ(rt.getLineCount(Editor), 3);
    EXPECT_EQ(rt.getCaretLine(Editor), 2);
    // With a selection, the line where it starts.
    editor()->setSelection(2, 3, 0, 1);
    EXPECT_EQ(rt.getCaretLine(Editor), 0);
    // A long line wraps on screen but stays one line.
    rt.setEditorText(Editor, QString(2000, u'w'));
    EXPECT_EQ(rt.getLineCount(Editor), 1);
    // Line breaks typed by the user are CR LF too.
    rt.setEditorText(Editor, {});
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_A);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(rt.getEditorText(Editor), u"a\r\n"_s);
}

TEST_F(RuntimeTest, EditorBackgroundAndCommands)
{
    rt.setEditorBackground(Editor, 0x000000FF); // 0x00BBGGRR: red
    EXPECT_EQ(editor()->paper(), QColor(255, 0, 0));
    rt.setEditorBackground(Editor, ui::DefaultColour);
    EXPECT_EQ(editor()->paper(), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(rt.getEditorBackground(Editor), ui::DefaultColour);

    EXPECT_EQ(rt.sendEditorCommand(Editor, ui::EditorCommand::GetModify), 0);
    rt.insertAtCaret(Editor, u"abc"_s);
    EXPECT_NE(rt.sendEditorCommand(Editor, ui::EditorCommand::GetModify), 0);
    rt.sendEditorCommand(Editor, ui::EditorCommand::SelectAll);
    EXPECT_EQ(rt.getSelectionLength(Editor), 3);
    rt.sendEditorCommand(Editor, ui::EditorCommand::Cut);
    EXPECT_EQ(rt.getEditorText(Editor), QString());
    EXPECT_EQ(rt.getClipboardText(), u"abc"_s);
    rt.sendEditorCommand(Editor, ui::EditorCommand::Undo);
    EXPECT_EQ(rt.getEditorText(Editor), u"abc"_s);
}

TEST_F(RuntimeTest, ListIndexRules)
{
    const auto list = ref(u"列表框1"_s);
    EXPECT_EQ(rt.getListIndex(list), -1);
    EXPECT_EQ(rt.getListCount(list), 3);
    EXPECT_EQ(rt.getListItem(list, -1), QString());
    EXPECT_EQ(rt.getListItem(list, 3), QString());
    EXPECT_EQ(rt.getListItem(list, 1), u"two"_s);
    rt.setListIndex(list, 5);
    EXPECT_EQ(rt.getListIndex(list), 2);
    rt.setListIndex(list, -3);
    EXPECT_EQ(rt.getListIndex(list), -1);
    EXPECT_FALSE(rt.deleteListItem(list, -1));
    EXPECT_FALSE(rt.deleteListItem(list, 3));
    EXPECT_EQ(rt.addListItem(list, u"four"_s), 3);
    EXPECT_TRUE(rt.deleteListItem(list, 0));
    EXPECT_EQ(rt.getListItem(list, 0), u"two"_s);
    EXPECT_EQ(rt.getListItem(list, 2), u"four"_s);
    // Giving the list the focus moves Qt's cursor but makes no item current.
    ui::testing::widget(rt, list)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(rt.getListIndex(list), -1);
}

TEST_F(RuntimeTest, ComboShowsItsDefinedTextUntilAnItemIsSelected)
{
    const auto combo = ref(u"组合框1"_s);
    EXPECT_EQ(rt.getFieldText(combo), QString()); // item 1 is current, the defined text (empty) shows
    rt.selectComboItem(combo, 2);
    EXPECT_EQ(rt.getFieldText(combo), u"_self"_s);
    rt.selectComboItem(combo, 9);
    EXPECT_EQ(rt.getFieldText(combo), u"_self"_s);
    EXPECT_EQ(qobject_cast<QComboBox *>(ui::testing::widget(rt, combo))->currentIndex(), 2);
    rt.selectComboItem(combo, 0);
    EXPECT_EQ(rt.getFieldText(combo), u"_blank"_s);
    rt.selectComboItem(combo, -1);
    EXPECT_EQ(qobject_cast<QComboBox *>(ui::testing::widget(rt, combo))->currentIndex(), -1);
    // The user may type any text.
    QTest::keyClicks(ui::testing::widget(rt, combo), u"mine"_s);
    EXPECT_EQ(rt.getFieldText(combo), u"mine"_s);
}

TEST_F(RuntimeTest, TabAndPanelIndexRules)
{
    const auto tabs = ref(u"选择夹1"_s);
    QWidget *one = ui::testing::widget(rt, ref(u"按钮1"_s));
    QWidget *two = ui::testing::widget(rt, ref(u"按钮2"_s));
    EXPECT_EQ(rt.getCurrentPage(tabs), 1);
    EXPECT_FALSE(one->isVisible());
    EXPECT_TRUE(two->isVisible());
    rt.setCurrentPage(tabs, 0);
    EXPECT_TRUE(one->isVisible());
    EXPECT_FALSE(two->isVisible());
    rt.setCurrentPage(tabs, 3);
    rt.setCurrentPage(tabs, -1);
    EXPECT_EQ(rt.getCurrentPage(tabs), 0);
    rt.setCurrentPage(tabs, 2); // a page without controls
    EXPECT_FALSE(one->isVisible());
    EXPECT_FALSE(two->isVisible());

    const auto bar = ref(u"状态条1"_s);
    rt.setPanelText(bar, 1, u"新"_s);
    EXPECT_EQ(rt.getPanelText(bar, 1), u"新"_s);
    rt.setPanelText(bar, 2);
    EXPECT_EQ(rt.getPanelText(bar, 2), QString());
    rt.setPanelText(bar, 3, u"x"_s);
    rt.setPanelText(bar, -1, u"x"_s);
    EXPECT_EQ(rt.getPanelText(bar, 0), u"a"_s);
    EXPECT_EQ(rt.getPanelText(bar, 3), QString());

    // A note quoting markup over several lines shows it as written, on one line: the status bar
    // does not grow over the window.
    QWidget *statusBar = ui::testing::widget(rt, bar);
    const int height = statusBar->sizeHint().height();
    rt.setPanelText(bar, 1, u"找不到“<hr><p>a</p>\r\n<table><tr><td>b\nc”"_s);
    EXPECT_EQ(rt.getPanelText(bar, 1), u"找不到“<hr><p>a</p> <table><tr><td>b c”"_s);
    EXPECT_EQ(statusBar->sizeHint().height(), height);
}

TEST_F(RuntimeTest, BoundsReadBackAsSet)
{
    const auto button = ref(u"按钮1"_s);
    EXPECT_EQ(rt.getBounds(button, ui::Bound::Left), 5);
    EXPECT_EQ(rt.getBounds(button, ui::Bound::Top), 30);
    rt.setBounds(button, ui::Bound::Width, 77);
    rt.setBounds(button, ui::Bound::Top, 12);
    EXPECT_EQ(rt.getBounds(button, ui::Bound::Width), 77);
    EXPECT_EQ(rt.getBounds(button, ui::Bound::Top), 12);
    const ui::ControlRef window{Probe, {}};
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Width), 500);
    rt.setBounds(window, ui::Bound::Height, 450);
    EXPECT_EQ(rt.getBounds(window, ui::Bound::Height), 450);
    // Operations on a window that is not open do nothing and give empty values.
    const ui::ControlRef absent{u"Nowhere"_s, u"编辑框1"_s};
    rt.setBounds(absent, ui::Bound::Width, 5);
    EXPECT_EQ(rt.getBounds(absent, ui::Bound::Width), 0);
    EXPECT_EQ(rt.getFieldText(absent), QString());
    EXPECT_EQ(rt.getListIndex(absent), -1);
}

TEST(Clipboard, TextGoesAndComes)
{
    ui::UiRuntime rt;
    EXPECT_TRUE(rt.setClipboardText(u"剪贴板"_s));
    EXPECT_TRUE(rt.clipboardHasText());
    EXPECT_EQ(rt.getClipboardText(), u"剪贴板"_s);
}

// ---- windows: reopening, modality, deferred closing --------------------------------------

TEST(Windows, AReopenedDialogShowsItsDefinedTexts)
{
    ui::UiRuntime rt;
    rt.openWindow(probe(), false);
    rt.setFieldText(ref(u"编辑框1"_s), u"edited"_s);
    rt.addListItem(ref(u"列表框1"_s), u"added"_s);
    rt.closeWindow(Probe);
    ASSERT_EVENTUALLY(!rt.isOpen(Probe));
    rt.openWindow(probe(), false);
    EXPECT_EQ(rt.getFieldText(ref(u"编辑框1"_s)), u"默认"_s);
    EXPECT_EQ(rt.getListCount(ref(u"列表框1"_s)), 3);
    rt.closeWindow(Probe);
    ASSERT_EVENTUALLY(!rt.isOpen(Probe));
}

TEST(Windows, ModalWindowBlocksTheOthersUntilItIsClosed)
{
    ui::UiRuntime rt;
    int clicks = 0;
    ui::WindowDefinition owner = probe();
    owner.find(u"按钮2"_s)->bindings.push_back({ui::Event::Clicked, [&clicks](ui::UiRuntime &) { ++clicks; }});
    rt.openWindow(owner, false);
    QWidget *button = ui::testing::widget(rt, ref(u"按钮2"_s));
    QWindow *ownerWindow = ui::testing::widget(rt, {Probe, {}})->windowHandle();
    ASSERT_NE(ownerWindow, nullptr);
    const QPoint centre = button->mapTo(button->window(), button->rect().center());
    QTest::mouseClick(ownerWindow, Qt::LeftButton, {}, centre);
    ASSERT_EQ(clicks, 1);

    ui::WindowDefinition modal{.name = u"Modal"_s, .caption = u"modal"_s, .width = 200, .height = 100};
    bool returned = false, destroyedBeforeReturn = false;
    modal.bindings.push_back({ui::Event::BeingDestroyed, [&](ui::UiRuntime &) { destroyedBeforeReturn = !returned; }});
    rt.onWindowShown = [&](const QString &name) {
        if (name != u"Modal")
            return;
        // The owner takes no input while the modal window is up.
        QTest::mouseClick(ownerWindow, Qt::LeftButton, {}, centre);
        EXPECT_EQ(clicks, 1);
        rt.closeWindow(u"Modal"_s);
        EXPECT_TRUE(rt.isOpen(u"Modal"_s)); // closing is deferred
    };
    rt.openWindow(modal, true); // returns once the window has been destroyed
    returned = true;
    EXPECT_FALSE(rt.isOpen(u"Modal"_s));
    EXPECT_TRUE(destroyedBeforeReturn);
    QTest::mouseClick(ownerWindow, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks, 2);
    rt.onWindowShown = nullptr;
    rt.closeWindow(Probe);
    ASSERT_EVENTUALLY(!rt.isOpen(Probe));
}

TEST(Windows, CloseQueryMayKeepAWindowOpen)
{
    ui::UiRuntime rt;
    ui::WindowDefinition def = probe();
    bool allow = false;
    int destroyed = 0;
    def.bindings.push_back({ui::Event::CloseQuery, [&](ui::UiRuntime &, const ui::EventInfo &) { return allow; }});
    def.bindings.push_back({ui::Event::BeingDestroyed, [&](ui::UiRuntime &) { ++destroyed; }});
    rt.openWindow(def, false);
    ui::testing::widget(rt, {Probe, {}})->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rt.isOpen(Probe));
    EXPECT_EQ(destroyed, 0);
    allow = true;
    ui::testing::widget(rt, {Probe, {}})->close();
    ASSERT_EVENTUALLY(!rt.isOpen(Probe));
    EXPECT_EQ(destroyed, 1);
}

TEST(Windows, RightButtonHandlerCanSuppressTheControlsOwnHandling)
{
    ui::UiRuntime rt;
    ui::WindowDefinition def = probe();
    int released = 0;
    def.find(u"超级编辑框1"_s)->bindings.push_back(
        {ui::Event::RightButtonUp, [&](ui::UiRuntime &, const ui::EventInfo &e) {
             ++released;
             EXPECT_EQ(e.x, 10);
             EXPECT_EQ(e.keys, ui::CtrlKey);
             return false;
         }});
    rt.openWindow(def, false);
    auto *ed = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor));
    QTest::mouseRelease(ed->viewport(), Qt::RightButton, Qt::ControlModifier, {10, 10});
    EXPECT_EQ(released, 1);
    // The editor's own context menu does not appear.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {10, 10});
    EXPECT_TRUE(QApplication::sendEvent(ed->viewport(), &menu));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    rt.closeWindow(Probe);
    ASSERT_EVENTUALLY(!rt.isOpen(Probe));
}

// ---- message boxes ------------------------------------------------------------------------

TEST(ShowMessage, CaptionFlagsAndButtonCodes)
{
    ui::UiRuntime rt;
    QString caption, text;
    QStringList buttons;
    QMessageBox::Icon icon{};
    QAbstractButton *toPress = nullptr;
    QMessageBox::StandardButton press = QMessageBox::No;
    testsupport::ShowCatcher<QMessageBox> catcher([&](QMessageBox *box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons.clear();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text().remove(u'&');
        toPress = box->button(press);
        EXPECT_TRUE(box->isModal());
        toPress->click();
    });
    EXPECT_EQ(rt.showMessage(u"文件已经被修改，是否保存？"_s, 35), ui::IdNo);
    EXPECT_EQ(caption, u"信息："_s);
    EXPECT_EQ(icon, QMessageBox::Question);
    // Qt's own Chinese texts: 是/否/取消.
    EXPECT_EQ(buttons.size(), 3);
    for (const QString &word : {u"是"_s, u"否"_s, u"取消"_s})
        EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(), [&](const QString &b) { return b.startsWith(word); }))
            << word.toStdString() << " in " << buttons.join(u',').toStdString();
    press = QMessageBox::Yes;
    EXPECT_EQ(rt.showMessage(u"x"_s, 35, u"询问"_s), ui::IdYes);
    EXPECT_EQ(caption, u"询问"_s);
    press = QMessageBox::Cancel;
    EXPECT_EQ(rt.showMessage(u"x"_s, 35), ui::IdCancel);
    press = QMessageBox::Ok;
    EXPECT_EQ(rt.showMessage(u"<b>not bold</b>\r\nsecond line"_s, 0), ui::IdOk);
    EXPECT_EQ(buttons.size(), 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(text, u"<b>not bold</b>\nsecond line"_s);
    EXPECT_EQ(catcher.count(), 4);
}

// ---- the common dialog --------------------------------------------------------------------

TEST(CommonDialog, FilterTextBecomesNamedPatterns)
{
    EXPECT_EQ(ui::fileDialogNameFilters(u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_s),
              (QStringList{u"web文件 (*.html)"_s, u"asp文件 (*.asp)"_s, u"css文件 (*.css)"_s, u"所有文件 (*)"_s}));
    EXPECT_EQ(ui::fileDialogNameFilters(u"css文件|*.css|所有文件|*.*\r\n"_s),
              (QStringList{u"css文件 (*.css)"_s, u"所有文件 (*)"_s}));
    EXPECT_EQ(ui::fileDialogNameFilters(u"pictures|*.gif;*.jpg"_s), QStringList{u"pictures (*.gif *.jpg)"_s});
    EXPECT_EQ(ui::fileDialogNameFilters({}), QStringList());
}

TEST_F(RuntimeTest, OpenModeStartsOnTheInitialFilterAndWantsAnExistingFile)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(u"page.asp"_s);
    QFile(existing).open(QIODevice::WriteOnly);
    const auto dialog = ref(u"通用对话框1"_s);
    rt.setDialogFileName(dialog, dir.filePath(u"missing.asp"_s));
    int shown = 0;
    testsupport::ShowCatcher<QMessageBox> warnings([](QMessageBox *box) { box->accept(); });
    testsupport::ShowCatcher<QFileDialog> catcher([&](QFileDialog *fd) {
        ++shown;
        EXPECT_EQ(fd->selectedNameFilter(), u"asp文件 (*.asp)"_s);
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptOpen);
        if (shown == 1) {
            static_cast<QDialog *>(fd)->accept(); // a file that does not exist is not taken
            EXPECT_TRUE(fd->isVisible());
            fd->selectNameFilter(u"css文件 (*.css)"_s);
            fd->reject();
        } else {
            fd->selectFile(existing);
            static_cast<QDialog *>(fd)->accept();
        }
    });
    EXPECT_FALSE(rt.showFileDialog(dialog));
    EXPECT_EQ(rt.getDialogFileName(dialog), dir.filePath(u"missing.asp"_s)); // kept on cancel
    EXPECT_TRUE(rt.showFileDialog(dialog)); // the initial filter is chosen again
    EXPECT_EQ(rt.getDialogFileName(dialog), existing);
    EXPECT_EQ(rt.getDialogMode(dialog), ui::OpenFileMode);
}

TEST_F(RuntimeTest, SaveModeAsksBeforeReplacingAndAddsTheFiltersSuffix)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(u"old.asp"_s);
    QFile(existing).open(QIODevice::WriteOnly);
    const auto dialog = ref(u"通用对话框1"_s);
    rt.setDialogMode(dialog, ui::SaveFileMode);
    QString question;
    QMessageBox::StandardButton answer = QMessageBox::No;
    testsupport::ShowCatcher<QMessageBox> asks([&](QMessageBox *box) {
        question = box->text();
        box->button(answer)->click();
    });
    QString typed;
    testsupport::ShowCatcher<QFileDialog> catcher([&](QFileDialog *fd) {
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
        fd->selectFile(typed);
        static_cast<QDialog *>(fd)->accept();
        if (fd->isVisible())
            fd->reject();
    });
    typed = existing;
    EXPECT_FALSE(rt.showFileDialog(dialog)); // "no" to replacing it
    EXPECT_TRUE(question.contains(u"old.asp"_s)) << question.toStdString();
    answer = QMessageBox::Yes;
    question.clear();
    EXPECT_TRUE(rt.showFileDialog(dialog));
    EXPECT_FALSE(question.isEmpty());
    EXPECT_EQ(rt.getDialogFileName(dialog), existing);
    // A new name without an extension takes the chosen filter's.
    question.clear();
    typed = dir.filePath(u"新页"_s);
    EXPECT_TRUE(rt.showFileDialog(dialog));
    EXPECT_TRUE(question.isEmpty());
    EXPECT_EQ(rt.getDialogFileName(dialog), dir.filePath(u"新页.asp"_s));
    EXPECT_EQ(rt.getDialogMode(dialog), ui::SaveFileMode); // the mode stays
}

// ---- the fatal-error report and library calls ---------------------------------------------

TEST(FatalError, Text)
{
    EXPECT_EQ(ui::UiRuntime::fatalErrorText(u"分配 64 字节内存失败!"_s, 0),
              u"运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n"_s);
    EXPECT_EQ(ui::UiRuntime::fatalErrorText(u"m"_s, 5), u"运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：m\r\n"_s);
    EXPECT_EQ(ui::UiRuntime::fatalErrorText({}, -3), u"运行时出错!\r\n\r\n错误代码：-3\r\n\r\n"_s);
    EXPECT_EQ(ui::UiRuntime::fatalErrorText({}, 0), u"运行时出错!\r\n\r\n"_s);
}

namespace {

struct Ended {
    int exitCode = 0;
    QString box, err;
};
Ended runHelper(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(RUNTIME_HELPER), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitCode(), out.section(u"box<"_s, 1).section(u">box"_s, 0, 0),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(FatalError, ShowsTheReportAndEndsWithCodeMinusOne)
{
    const Ended e = runHelper({u"fatal"_s, u"分配 100 字节内存失败!"_s, u"7"_s});
    EXPECT_EQ(e.exitCode, 255); // −1 as the system reports it
    EXPECT_EQ(e.box, u"运行时出错!\n\n错误代码：7\n\n错误信息：分配 100 字节内存失败!\n"_s);
}

TEST(CallLibraryEntry, MissingLibraryOrEntryIsFatal)
{
    Ended e = runHelper({u"library"_s, u"NoSuch_EL.dll"_s, u"SkinH_AttachRes"_s});
    EXPECT_EQ(e.exitCode, 255);
    EXPECT_EQ(e.box, u"运行时出错!\n\n错误信息：无法找到指定DLL库文件“NoSuch_EL.dll”中的输出命令“SkinH_AttachRes”\n"_s);
    e = runHelper({u"library"_s, u"libc.so.6"_s, u"NoSuchEntry"_s});
    EXPECT_EQ(e.exitCode, 255);
    EXPECT_TRUE(e.box.contains(u"无法找到指定DLL库文件“libc.so.6”中的输出命令“NoSuchEntry”"_s)) << e.box.toStdString();
}

TEST(CallLibraryEntry, CallsTheEntryWithItsArguments)
{
    ui::UiRuntime rt;
    EXPECT_EQ(rt.callLibraryEntry(u"libc.so.6"_s, u"abs"_s, {qint32(-42)}), 42);
    EXPECT_EQ(rt.callLibraryEntry(u"libc.so.6"_s, u"strlen"_s, {core::Text(u"网页"_s)}), 4); // GB18030 bytes
    const char bytes[] = "abc";
    EXPECT_EQ(rt.callLibraryEntry(u"libc.so.6"_s, u"strlen"_s, {static_cast<const void *>(bytes)}), 3);
}
