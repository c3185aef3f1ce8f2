// SPDX-License-Identifier: GPL-3.0-or-later
// The "查找和替换" and "转到行" windows driven as a user would: keys, fields, check boxes and
// buttons, with the document and the status texts checked after each step.
#include "support/main_window_fixture.h"
#include "document/find_dialog.h"
#include "document/go_to_line_dialog.h"
#include "document/lifecycle.h"
#include "ui/code_editor.h"
#include "ui/definition_lint.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

using testsupport::Main;
const QString Find = u"FindDialog"_s;
const QString GoTo = u"GoToLineDialog"_s;

using testsupport::press;
using testsupport::putContent;

class FindWindow : public testsupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        session().findSettings() = {}; // each test starts as a fresh run does
    }
    QWidget *editorWidget() { return ui::testing::widget(rt, editor()); }
    QWidget *findWidget(const QString &unit) { return ui::testing::widget(rt, {Find, unit}); }
    void setText(const QString &t)
    {
        rt.setEditorText(editor(), t);
        rt.selectEditorRange(editor(), 0, 0);
    }
    void openFind() { press(editorWidget(), u"Ctrl+F"_s); }
    void setField(const QString &unit, const QString &t) { rt.setFieldText({Find, unit}, t); }
    void check(const QString &unit, bool on)
    {
        auto *box = qobject_cast<QCheckBox *>(findWidget(unit));
        if (box->isChecked() != on)
            box->click();
    }
    void clickButton(const QString &unit) { qobject_cast<QAbstractButton *>(findWidget(unit))->click(); }
    QString status() { return rt.getCaption({Find, u"标签3"_s}); }
    QString selected()
    {
        const auto [from, to] = rt.getEditorSelection(editor());
        const QByteArrayView b = rt.getEditorBuffer(editor());
        return core::editorBytesToText(b.data() + from, to - from);
    }
    std::pair<qint64, qint64> selection() { return rt.getEditorSelection(editor()); }
    /// Searches for the pattern with the window open.
    void search(const QString &pattern)
    {
        if (!rt.isOpen(Find))
            openFind();
        setField(u"编辑框1"_s, pattern);
    }
};

} // namespace

TEST(FindWindowDefinition, PassTheLint)
{
    document::Session session(Main);
    EXPECT_EQ(ui::lintDefinition(document::findDialog(session)), QStringList());
    EXPECT_EQ(ui::lintDefinition(document::goToLineDialog(session)), QStringList());
}

TEST_F(FindWindow, OpensOwnedByTheMainWindowWithItsCaptionsAndNamedFields)
{
    openFind();
    ASSERT_TRUE(rt.isOpen(Find));
    QWidget *window = ui::testing::widget(rt, {Find, {}});
    EXPECT_EQ(window->windowTitle(), u"查找和替换"_s);
    EXPECT_EQ(window->parentWidget(), ui::testing::widget(rt, {Main, {}}));
    EXPECT_FALSE(window->isModal());
    const std::pair<const char *, const char *> captions[] = {
        {"标签1", "查找内容："}, {"标签2", "替换为："}, {"选择框1", "区分大小写"}, {"选择框2", "全字匹配"},
        {"选择框3", "正则表达式"}, {"选择框4", "循环查找"}, {"选择框5", "仅在选区内"}, {"按钮1", "查找下一个"},
        {"按钮2", "查找上一个"}, {"按钮3", "替换"}, {"按钮4", "全部替换"}, {"按钮5", "关闭"}};
    for (const auto &[unit, caption] : captions)
        EXPECT_EQ(rt.getCaption({Find, QString::fromUtf8(unit)}), QString::fromUtf8(caption)) << unit;
    EXPECT_TRUE(rt.isChecked({Find, u"选择框4"_s}));
    for (const char *unit : {"选择框1", "选择框2", "选择框3", "选择框5"})
        EXPECT_FALSE(rt.isChecked({Find, QString::fromUtf8(unit)})) << unit;
    // Each field is announced by its label.
    for (const auto &[unit, name] : {std::pair{u"编辑框1"_s, u"查找内容"_s}, std::pair{u"编辑框2"_s, u"替换为"_s}}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(findWidget(unit));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), name);
        EXPECT_EQ(iface->role(), QAccessible::EditableText);
    }
    // The keyboard is in the find field; Escape closes the window.
    ASSERT_EVENTUALLY(QApplication::focusWidget() == findWidget(u"编辑框1"_s));
    press(findWidget(u"编辑框1"_s), u"Esc"_s);
    ASSERT_EVENTUALLY(!rt.isOpen(Find));
}

TEST_F(FindWindow, TakesAOneLineSelectionAndKeepsItsFieldsWhenOpenedAgain)
{
    setText(u"<p>段落</p>\r\n<p>two</p>"_s);
    rt.selectEditorRange(editor(), 3, 9); // 段落
    openFind();
    EXPECT_EQ(rt.getFieldText({Find, u"编辑框1"_s}), u"段落"_s);
    EXPECT_EQ(qobject_cast<QLineEdit *>(findWidget(u"编辑框1"_s))->selectedText(), u"段落"_s);
    setField(u"编辑框2"_s, u"para"_s);
    check(u"选择框1"_s, true);
    // Ctrl+H: the same window, its fields kept, the replace field focused.
    rt.selectEditorRange(editor(), 0, 0);
    press(editorWidget(), u"Ctrl+H"_s);
    EXPECT_EQ(rt.getFieldText({Find, u"编辑框1"_s}), u"段落"_s);
    EXPECT_EQ(rt.getFieldText({Find, u"编辑框2"_s}), u"para"_s);
    EXPECT_TRUE(rt.isChecked({Find, u"选择框1"_s}));
    ASSERT_EVENTUALLY(QApplication::focusWidget() == findWidget(u"编辑框2"_s));
    // A selection of several lines is not a pattern: it becomes what is searched in.
    rt.selectEditorRange(editor(), 0, 20);
    openFind();
    EXPECT_EQ(rt.getFieldText({Find, u"编辑框1"_s}), u"段落"_s);
    EXPECT_TRUE(rt.isChecked({Find, u"选择框5"_s}));
}

TEST_F(FindWindow, FindsNextAndPreviousWithAndWithoutWrapping)
{
    setText(u"cat dog cat dog cat"_s);
    search(u"cat"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{0, 3}));
    EXPECT_EQ(status(), u"找到第 1 处，共 3 处"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{8, 11}));
    EXPECT_EQ(status(), u"找到第 2 处，共 3 处"_s);
    clickButton(u"按钮1"_s);
    clickButton(u"按钮1"_s); // wraps to the first
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{0, 3}));
    EXPECT_EQ(status(), u"找到第 1 处，共 3 处"_s);
    clickButton(u"按钮2"_s); // and back to the last
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{16, 19}));
    EXPECT_EQ(status(), u"找到第 3 处，共 3 处"_s);

    check(u"选择框4"_s, false);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找不到“cat”"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{16, 19})); // the selection stays
    rt.selectEditorRange(editor(), 0, 3);
    clickButton(u"按钮2"_s);
    EXPECT_EQ(status(), u"找不到“cat”"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{0, 3}));
    // Keys in the window: Enter and F3 go on, Shift+F3 goes back.
    press(findWidget(u"编辑框1"_s), u"Return"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{8, 11}));
    press(findWidget(u"编辑框1"_s), u"F3"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{16, 19}));
    press(findWidget(u"编辑框1"_s), u"Shift+F3"_s);
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{8, 11}));
    EXPECT_TRUE(script.boxes.empty()); // no message boxes
}

TEST_F(FindWindow, OptionsAndTheRegularExpressionsOwnErrorMessage)
{
    setText(u"Form form formal FORM"_s);
    search(u"form"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共 4 处"_s);
    check(u"选择框2"_s, true);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找到第 2 处，共 3 处"_s);
    check(u"选择框1"_s, true);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(selected(), u"form"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共 1 处"_s);

    check(u"选择框3"_s, true);
    setField(u"编辑框1"_s, u"(unclosed"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), QRegularExpression(u"(*ANYCRLF)(unclosed"_s).errorString());
    EXPECT_FALSE(status().isEmpty());
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(text(), u"Form form formal FORM"_s);
}

TEST_F(FindWindow, ChineseIsFoundInAGb18030File)
{
    const QString path = dir.filePath(u"page.html"_s);
    putContent(path, core::textToBytes(u"<title>你好</title>\r\n<p>大家好，你好！</p>"_s));
    ASSERT_TRUE(document::openFile(rt, session(), path));
    search(u"你好"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(selected(), u"你好"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共 2 处"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(selected(), u"你好"_s);
    EXPECT_EQ(status(), u"找到第 2 处，共 2 处"_s);
    EXPECT_EQ(rt.getCaretLine(editor()), 1);
}

TEST_F(FindWindow, ReplaceReplacesOnlyASelectedMatchThenMovesOn)
{
    setText(u"a1 b a2 a3"_s);
    search(u"a\\d"_s);
    check(u"选择框3"_s, true);
    setField(u"编辑框2"_s, u"<$0>"_s);
    // Nothing selected: the first press only finds.
    clickButton(u"按钮3"_s);
    EXPECT_EQ(text(), u"a1 b a2 a3"_s);
    EXPECT_EQ(selected(), u"a1"_s);
    clickButton(u"按钮3"_s);
    EXPECT_EQ(text(), u"<a1> b a2 a3"_s);
    EXPECT_EQ(selected(), u"a2"_s);
    // A selection that is no match is left alone.
    rt.selectEditorRange(editor(), 5, 6); // "b"
    clickButton(u"按钮3"_s);
    EXPECT_EQ(text(), u"<a1> b a2 a3"_s);
    EXPECT_EQ(selected(), u"a2"_s);
}

TEST_F(FindWindow, ReplaceAllIsOneUndoStepAndOneChange)
{
    const QString before = u"line 0\r\nx=1 x=2\r\nline 2 x=3\r\nline 3"_s;
    setText(before);
    rt.goToEditorLine(editor(), 3);
    search(u"x=(\\d)"_s);
    check(u"选择框3"_s, true);
    setField(u"编辑框2"_s, u"y=\\1\\1"_s);
    QSignalSpy changes(static_cast<ui::CodeEditor *>(editorWidget()), &ui::CodeEditor::contentChanged);
    clickButton(u"按钮4"_s);
    EXPECT_EQ(text(), u"line 0\r\ny=11 y=22\r\nline 2 y=33\r\nline 3"_s);
    EXPECT_EQ(status(), u"已替换 3 处"_s);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(rt.getCaretLine(editor()), 3);
    EXPECT_EQ(panel(3), u"3"_s);
    click(u"编辑/撤消"_s);
    EXPECT_EQ(text(), before);
    // Nothing to replace: said so, nothing changed.
    clickButton(u"按钮4"_s);
    click(u"编辑/撤消"_s);
    setField(u"编辑框1"_s, u"absent"_s);
    clickButton(u"按钮4"_s);
    EXPECT_EQ(status(), u"找不到“absent”"_s);
    EXPECT_EQ(text(), before);
}

namespace {

/// A "全部替换", checked against QRegularExpression replacing over the whole text.
struct ReplaceCase {
    const char *name;
    QString text, pattern, with;
    bool matchCase, wholeWord, regex;
    QString referenceWith; // the replacement as QString::replace takes it, where it differs
};

std::pair<QString, qsizetype> reference(const ReplaceCase &c)
{
    QString pattern = c.regex ? c.pattern : QRegularExpression::escape(c.pattern);
    if (c.wholeWord)
        pattern = u"(?<!\\w)"_s + pattern + u"(?!\\w)"_s;
    using O = QRegularExpression;
    const O re(pattern, O::MultilineOption | O::UseUnicodePropertiesOption | (c.matchCase ? O::NoPatternOption : O::CaseInsensitiveOption));
    qsizetype count = 0;
    for (auto it = re.globalMatch(c.text); it.hasNext(); it.next())
        ++count;
    return {QString(c.text).replace(re, c.referenceWith.isNull() ? c.with : c.referenceWith), count};
}

const std::vector<ReplaceCase> ReplaceCases = {
    {"plain word on many lines", u"a findme b findme\r\n"_s.repeated(40), u"findme"_s, u"FOUND-IT"_s, true, false, false, {}},
    {"any case, ASCII", u"Tag tag TAG tAg"_s, u"tag"_s, u"x"_s, false, false, false, {}},
    {"any case beyond ASCII", u"Ärger ärger ÄRGER\r\nσ Σ"_s, u"ärger"_s, u"月"_s, false, false, false, {}},
    {"Chinese", u"网页网页，网页\r\n页网"_s, u"网页"_s, u"page"_s, true, false, false, {}},
    {"line breaks joined", u"l0\r\nl1\r\nl2\r\n"_s, u"\\r\\n"_s, u" "_s, true, false, true, {}},
    {"at the start and the end", u"ab middle ab"_s, u"ab"_s, {}, true, false, false, {}},
    {"empty matches", u"axxb c"_s, u"x*"_s, u"-"_s, true, false, true, {}},
    {"groups", u"mail a@b and c@d\r\n"_s, u"(\\w+)@(\\w+)"_s, u"\\2 at $1"_s, true, false, true, u"\\2 at \\1"_s},
    {"whole words", u"cat catalog cat_ 猫cat cat"_s, u"cat"_s, u"dog"_s, true, true, false, {}},
};

} // namespace

TEST_F(FindWindow, ReplaceAllGivesWhatAReplacementOfTheWholeTextGives)
{
    for (const ReplaceCase &c : ReplaceCases) {
        SCOPED_TRACE(c.name);
        const auto [expected, count] = reference(c);
        setText(c.text);
        search(c.pattern);
        setField(u"编辑框2"_s, c.with);
        check(u"选择框1"_s, c.matchCase);
        check(u"选择框2"_s, c.wholeWord);
        check(u"选择框3"_s, c.regex);
        clickButton(u"按钮4"_s);
        EXPECT_EQ(text(), expected);
        EXPECT_EQ(status(), document::replacedText(count));
        // One undo step gives the old text back exactly; redo makes the replacement again.
        click(u"编辑/撤消"_s);
        EXPECT_EQ(text(), c.text);
        press(editorWidget(), u"Ctrl+Y"_s);
        EXPECT_EQ(text(), expected);
    }
}

TEST_F(FindWindow, ReplaceAllInsideTheSelectionTheWindowWasOpenedWith)
{
    setText(u"a a\r\na a\r\na a\r\n"_s);
    rt.selectEditorRange(editor(), 5, 15); // lines 1 and 2 and their line breaks
    press(editorWidget(), u"Ctrl+H"_s);
    ASSERT_TRUE(rt.isChecked({Find, u"选择框5"_s}));
    setField(u"编辑框1"_s, u"a"_s);
    setField(u"编辑框2"_s, u"bb"_s);
    clickButton(u"按钮4"_s);
    EXPECT_EQ(text(), u"a a\r\nbb bb\r\nbb bb\r\n"_s);
    EXPECT_EQ(status(), u"已替换 4 处"_s);
    // The stretch grew with the replacements: searching keeps to it.
    setField(u"编辑框1"_s, u"bb"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共 4 处"_s);
    check(u"选择框5"_s, false);
    setField(u"编辑框1"_s, u"a"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共 2 处"_s);
}

TEST_F(FindWindow, CountsStopAtTheCap)
{
    QString t;
    for (int i = 0; i < document::CountCap + 5; ++i)
        t += u"ab\r\n"_s;
    setText(t);
    search(u"ab"_s);
    clickButton(u"按钮1"_s);
    EXPECT_EQ(status(), u"找到第 1 处，共超过 10000 处"_s);
    rt.selectEditorRange(editor(), t.size(), t.size());
    check(u"选择框4"_s, false);
    clickButton(u"按钮2"_s);
    EXPECT_EQ(status(), u"找到一处，共超过 10000 处"_s);
}

TEST_F(FindWindow, EmptyFieldDisablesTheButtons)
{
    openFind();
    for (const char *b : {"按钮1", "按钮2", "按钮3", "按钮4"})
        EXPECT_TRUE(rt.isControlDisabled({Find, QString::fromUtf8(b)})) << b;
    EXPECT_FALSE(rt.isControlDisabled({Find, u"按钮5"_s}));
    QTest::keyClicks(findWidget(u"编辑框1"_s), u"x"_s);
    for (const char *b : {"按钮1", "按钮2", "按钮3", "按钮4"})
        EXPECT_FALSE(rt.isControlDisabled({Find, QString::fromUtf8(b)})) << b;
    clickButton(u"按钮5"_s);
    ASSERT_EVENTUALLY(!rt.isOpen(Find));
}

TEST_F(FindWindow, F3WithTheWindowClosedUsesItsLastSettings)
{
    setText(u"Tag tag TAG"_s);
    // Nothing to look for yet: F3 opens the window.
    press(editorWidget(), u"F3"_s);
    ASSERT_TRUE(rt.isOpen(Find));
    setField(u"编辑框1"_s, u"TAG"_s);
    check(u"选择框1"_s, true);
    clickButton(u"按钮5"_s);
    ASSERT_EVENTUALLY(!rt.isOpen(Find));
    press(editorWidget(), u"F3"_s);
    EXPECT_FALSE(rt.isOpen(Find));
    EXPECT_EQ(selection(), (std::pair<qint64, qint64>{8, 11}));
    EXPECT_EQ(panel(8), u"找到第 1 处，共 1 处"_s);
    rt.setEditorText(editor(), u"none here"_s);
    press(editorWidget(), u"Shift+F3"_s);
    EXPECT_EQ(panel(8), u"找不到“TAG”"_s);
    // Opened again, the window shows what it held.
    openFind();
    EXPECT_EQ(rt.getFieldText({Find, u"编辑框1"_s}), u"TAG"_s);
    EXPECT_TRUE(rt.isChecked({Find, u"选择框1"_s}));
}

// ---- 转到行 ----------------------------------------------------------------------------------

namespace {

class GoToLine : public testsupport::MainWindowFixture {
protected:
    /// Opens the window with Ctrl+G and runs the steps while it is up; closes it if they did not.
    void withWindow(const std::function<void()> &steps)
    {
        rt.onWindowShown = [&](const QString &name) {
            if (name != GoTo)
                return;
            steps();
            if (rt.isOpen(GoTo))
                rt.closeWindow(GoTo);
        };
        press(ui::testing::widget(rt, editor()), u"Ctrl+G"_s);
        rt.onWindowShown = nullptr;
    }
    void type(const QString &t) { rt.setFieldText({GoTo, u"编辑框1"_s}, t); }
    void ok() { qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {GoTo, u"按钮1"_s}))->click(); }
    QString note() { return rt.getCaption({GoTo, u"标签2"_s}); }
};

} // namespace

TEST_F(GoToLine, OpensModalWithTheCaretLineAndTheRange)
{
    rt.setEditorText(editor(), u"0\r\n1\r\n2\r\n3\r\n4"_s);
    rt.goToEditorLine(editor(), 2);
    withWindow([&] {
        QWidget *w = ui::testing::widget(rt, {GoTo, {}});
        EXPECT_EQ(w->windowTitle(), u"转到行"_s);
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(rt.getCaption({GoTo, u"标签1"_s}), u"行号："_s);
        EXPECT_EQ(rt.getControlTooltip({GoTo, u"标签1"_s}), u"0 – 4"_s);
        EXPECT_TRUE(note().contains(u"0 – 4"_s));
        EXPECT_EQ(rt.getFieldText({GoTo, u"编辑框1"_s}), u"2"_s);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(ui::testing::widget(rt, {GoTo, u"编辑框1"_s}));
        EXPECT_EQ(iface->text(QAccessible::Name), u"行号"_s);
        // The MainWindow's keys do not reach it.
        press(ui::testing::widget(rt, {GoTo, u"编辑框1"_s}), u"Ctrl+F"_s);
        EXPECT_FALSE(rt.isOpen(Find));
    });
}

TEST_F(GoToLine, AValidLinePutsTheCaretAtItsStart)
{
    rt.setEditorText(editor(), u"zero\r\none\r\ntwo\r\nthree"_s);
    withWindow([&] {
        type(u" 2 "_s);
        ok();
    });
    EXPECT_FALSE(rt.isOpen(GoTo));
    EXPECT_EQ(rt.getEditorSelection(editor()), (std::pair<qint64, qint64>{11, 11}));
    EXPECT_EQ(panel(3), u"2"_s);
    // Enter works as 确定.
    withWindow([&] {
        type(u"0"_s);
        press(ui::testing::widget(rt, {GoTo, u"编辑框1"_s}), u"Return"_s);
    });
    EXPECT_EQ(rt.getCaretLine(editor()), 0);
}

TEST_F(GoToLine, RefusesOutOfRangeAndNonNumbersInTheWindowItself)
{
    rt.setEditorText(editor(), u"zero\r\none\r\ntwo"_s);
    rt.goToEditorLine(editor(), 1);
    const QString before = text();
    withWindow([&] {
        for (const QString &bad : {u"3"_s, u"-1"_s, u"abc"_s, u""_s, u"1.5"_s, u"99999999999"_s}) {
            type(bad);
            ok();
            EXPECT_TRUE(rt.isOpen(GoTo)) << bad.toStdString();
            EXPECT_TRUE(rt.isFieldInvalid({GoTo, u"编辑框1"_s})) << bad.toStdString();
            EXPECT_TRUE(note().contains(u"0 – 2"_s)) << note().toStdString();
        }
        // Typing again clears the mark.
        type(u"2"_s);
        EXPECT_FALSE(rt.isFieldInvalid({GoTo, u"编辑框1"_s}));
        // 取消 changes nothing.
        qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {GoTo, u"按钮2"_s}))->click();
    });
    EXPECT_EQ(rt.getCaretLine(editor()), 1);
    EXPECT_EQ(text(), before);
    EXPECT_TRUE(script.boxes.empty());
}
