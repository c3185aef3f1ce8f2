// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the element under the caret in its own dialog, driven as a user drives it: the element
// is written by the dialog (or by hand), the caret is put into it, the command opens the dialog,
// fields are read, typed over and confirmed, and the document's bytes are compared.
#include "dialog_driver.h"

#include "document/editing.h"
#include "document/state.h"
#include "document/status_note.h"
#include "markup/element_edit.h"
#include "ui/editor_ranges.h"

#include <Qsci/qsciscintilla.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Hyperlink = u"HyperlinkDialog"_s;
const QString Image = u"ImageDialog"_s;
const QString TextField = u"TextFieldDialog"_s;
const QString DropDown = u"DropDownDialog"_s;
const QString Script = u"ScriptDialog"_s;
const QString AddText = u"AddTextDialog"_s;
const QString AddOption = u"AddOptionDialog"_s;
constexpr QChar Caret = u'‸';

class ElementEditing : public testsupport::DialogDriver {
protected:
    void SetUp() override
    {
        DialogDriver::SetUp();
        // A dialog the test did not expect is reported and closed instead of waiting forever.
        auto act = rt.onWindowShown;
        rt.onWindowShown = [this, act](const QString &name) {
            shown << name;
            if (actions.count(name) || name == AddText || name == AddOption)
                return act(name);
            ADD_FAILURE() << "unexpected dialog " << name.toStdString();
            rt.closeWindow(name);
        };
    }

    /// The document's text with the caret where '‸' stands.
    void load(QString text)
    {
        const qsizetype at = text.indexOf(Caret);
        text.remove(at, 1);
        rt.setEditorText(Editor, text);
        caretAt(at);
    }
    void caretAt(qsizetype index)
    {
        auto *editor = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor));
        ASSERT_NE(editor, nullptr);
        editor->SendScintilla(QsciScintilla::SCI_GOTOPOS, (unsigned long)core::textToEditorBytes(text().left(index)).size());
    }
    /// Puts the caret just after the first occurrence of the marker.
    void caretAfter(const QString &marker) { caretAt(text().indexOf(marker) + marker.size()); }
    QString text() { return rt.getEditorText(Editor); }

    /// The command, with act run inside the dialog it opens.
    void edit(const QString &dialog, std::function<void()> act)
    {
        when(dialog, std::move(act));
        shown.clear();
        markup::editElementAtCaret(rt);
        EXPECT_EQ(shown.value(0), dialog);
        actions.erase(dialog);
    }
    /// The command where no dialog may open: returns the note shown instead.
    QString editWithoutDialog()
    {
        shown.clear();
        markup::editElementAtCaret(rt);
        EXPECT_TRUE(shown.isEmpty()) << shown.join(u',').toStdString();
        return rt.getPanelText(document::statusBar(), document::NotePanel);
    }
    void undo() { rt.sendEditorCommand(Editor, ui::EditorCommand::Undo); }
    QString field(const QString &dialog, const QString &unit) { return rt.getFieldText({dialog, unit}); }

    void addPair(const QString &option, const QString &value)
    {
        type(AddOption, u"编辑框1"_s, option);
        type(AddOption, u"编辑框2"_s, value);
        click(AddOption, u"超级按钮1"_s);
    }
    void openCompanion(const QString &target, const QString &addButton, const QString &companion)
    {
        click(target, addButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return rt.isOpen(companion) && widget(companion, {})->isVisible(); }));
    }

    QStringList shown;
};

} // namespace

// ---- 超连接 ----------------------------------------------------------------------------------

TEST_F(ElementEditing, HyperlinkRoundTripAndOneChangedField)
{
    when(Hyperlink, [&] {
        type(Hyperlink, u"编辑框1"_s, u"a.html"_s);
        type(Hyperlink, u"编辑框2"_s, u"Start"_s);
        typeOver(Hyperlink, u"组合框1"_s, u"_blank"_s);
        click(Hyperlink, u"超级按钮6"_s);
    });
    open(u"超级按钮18"_s);
    const QString written = u"<a href=\"a.html\" title=\"Start\" target=\"_blank\"></a> "_s;
    ASSERT_EQ(text(), written);

    caretAt(5);
    edit(Hyperlink, [&] {
        EXPECT_EQ(field(Hyperlink, u"编辑框1"_s), u"a.html"_s);
        EXPECT_EQ(field(Hyperlink, u"编辑框2"_s), u"Start"_s);
        EXPECT_EQ(field(Hyperlink, u"组合框1"_s), u"_blank"_s);
        click(Hyperlink, u"超级按钮6"_s);
    });
    EXPECT_EQ(documentBytes(), bytes(written)) << "OK without a change";

    edit(Hyperlink, [&] {
        typeOver(Hyperlink, u"编辑框2"_s, u"Home"_s);
        click(Hyperlink, u"超级按钮6"_s);
    });
    EXPECT_EQ(text(), u"<a href=\"a.html\" title=\"Home\" target=\"_blank\"></a> "_s);
    EXPECT_TRUE(document::isModified());
    EXPECT_EQ(rt.getPanelText(document::statusBar(), document::SizePanel), document::sizeInKilobytes(49))
        << "the change was reported like any other";
    undo();
    EXPECT_EQ(documentBytes(), bytes(written)) << "one undo step";
}

TEST_F(ElementEditing, HyperlinkWrittenByHandKeepsEveryByteItDoesNotOwn)
{
    const QString before = u"中文 <A HREF='x.html'\r\n   class=nav TITLE=旧标题 onclick=\"go('>')\" target=main>链接</A>"_s;
    load(before.left(3) + Caret + before.mid(3));
    edit(Hyperlink, [&] {
        EXPECT_EQ(field(Hyperlink, u"编辑框1"_s), u"x.html"_s);
        EXPECT_EQ(field(Hyperlink, u"编辑框2"_s), u"旧标题"_s);
        EXPECT_EQ(field(Hyperlink, u"组合框1"_s), u"main"_s) << "a target not in the list, as written";
        typeOver(Hyperlink, u"编辑框2"_s, u"New"_s);
        click(Hyperlink, u"超级按钮6"_s);
    });
    const QString after = u"中文 <A HREF='x.html' title=\"New\" target=main\r\n   class=nav onclick=\"go('>')\">链接</A>"_s;
    EXPECT_EQ(text(), after);
    edit(Hyperlink, [&] { // the caret is still in the tag
        EXPECT_EQ(field(Hyperlink, u"编辑框2"_s), u"New"_s);
        click(Hyperlink, u"超级按钮7"_s);
    });
    undo();
    EXPECT_EQ(text(), before);

    edit(Hyperlink, [&] { click(Hyperlink, u"超级按钮7"_s); }); // 取消
    EXPECT_EQ(text(), before);
}

TEST_F(ElementEditing, CaretAtTheEdgesOfTheTag)
{
    const QString link = u"<a title=\"1 > 0\" href=\"t.html\">t</a>"_s;
    for (const qsizetype at : {qsizetype(0), link.indexOf(u"> 0"_s) + 1, link.indexOf(u'>', 20), link.indexOf(u'>', 20) + 1}) {
        load(u"ab"_s + Caret + u"c"_s);
        rt.setEditorText(Editor, link);
        caretAt(at);
        edit(Hyperlink, [&] {
            EXPECT_EQ(field(Hyperlink, u"编辑框1"_s), u"t.html"_s) << "caret at " << at;
            click(Hyperlink, u"超级按钮7"_s);
        });
    }
    load(u"<p>a‸b</p>"_s);
    EXPECT_FALSE(editWithoutDialog().isEmpty());
}

TEST_F(ElementEditing, NoDialogOutsideElementsInCommentsAndServerCode)
{
    const QString doc = u"<p>text</p><!-- <a href=\"x\"> --><% If a < b Then Response.Write(\"<img src=x>\") %>"
                        u"<object classid=\"clsid:D27C\"><embed src=\"f.swf\" quality=\"high\"></object>"_s;
    for (const QString &marker : {u"te"_s, u"<a hr"_s, u"<img sr"_s, u"<embed sr"_s, u"If a"_s}) {
        rt.setEditorText(Editor, doc);
        caretAfter(marker);
        const QString note = editWithoutDialog();
        EXPECT_FALSE(note.isEmpty()) << marker.toStdString();
        EXPECT_EQ(text(), doc);
    }
    EXPECT_EQ(rt.getPanelToolTip(document::statusBar(), document::NotePanel).contains(u"Ctrl+E"_s), true)
        << "the tooltip tells how to use the command";
}

// ---- 图片设置 --------------------------------------------------------------------------------

TEST_F(ElementEditing, ImageRoundTripChangesOnlyTheChangedAttribute)
{
    when(Image, [&] {
        type(Image, u"编辑框1"_s, u"p.png"_s);
        type(Image, u"编辑框2"_s, u"10"_s);
        type(Image, u"编辑框3"_s, u"20"_s);
        typeOver(Image, u"组合框1"_s, u"middle"_s);
        type(Image, u"编辑框4"_s, u"0"_s);
        type(Image, u"编辑框5"_s, u"pic"_s);
        type(Image, u"编辑框6"_s, u"m1"_s);
        click(Image, u"超级按钮2"_s);
    });
    open(u"超级按钮22"_s);
    const QString written = text();
    ASSERT_TRUE(written.startsWith(u"<img src=\"p.png\" width=\"10\" height=\"20\" align=\"middle\" border=\"0\" alt=\"pic\" usemap=#m1>\r\n<map name=m1>"_s));

    caretAt(3);
    edit(Image, [&] {
        EXPECT_EQ(field(Image, u"编辑框6"_s), u"m1"_s);
        EXPECT_EQ(field(Image, u"组合框1"_s), u"middle"_s);
        click(Image, u"超级按钮2"_s);
    });
    EXPECT_EQ(text(), written);
    edit(Image, [&] {
        typeOver(Image, u"编辑框2"_s, u"32"_s);
        click(Image, u"超级按钮2"_s);
    });
    QString expected = written;
    expected.replace(u"width=\"10\""_s, u"width=\"32\""_s);
    EXPECT_EQ(text(), expected) << "the map block below is an element of its own";

    caretAfter(u"<area sh"_s);
    EXPECT_TRUE(editWithoutDialog().contains(u"地图"_s));
}

// ---- 文本框 ----------------------------------------------------------------------------------

TEST_F(ElementEditing, PasswordFieldRoundTripAndTurnedIntoAPlainField)
{
    when(TextField, [&] {
        typeOver(TextField, u"编辑框1"_s, u"pw"_s);
        tick(TextField, u"单选框1"_s);
        click(TextField, u"超级按钮1"_s);
    });
    open(u"超级按钮31"_s);
    const QString written = u"<input name=\"pw\" size=\"20\" value=\"\" type=\"password\">"_s;
    ASSERT_EQ(text(), written);
    caretAt(written.size() - 1);
    edit(TextField, [&] {
        EXPECT_EQ(rt.getCurrentPage({TextField, u"新选择夹1"_s}), 0);
        EXPECT_TRUE(rt.isChecked({TextField, u"单选框1"_s}));
        EXPECT_EQ(field(TextField, u"编辑框1"_s), u"pw"_s);
        click(TextField, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), written);
    edit(TextField, [&] {
        tick(TextField, u"单选框2"_s);
        click(TextField, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), u"<input name=\"pw\" size=\"20\" value=\"\">"_s);
}

TEST_F(ElementEditing, HandWrittenInputKeepsItsTypeSizeAndExtras)
{
    load(u"<INPUT TYPE=text NAME=q‸ SIZE=30 class=x>"_s);
    edit(TextField, [&] {
        EXPECT_TRUE(rt.isChecked({TextField, u"单选框2"_s}));
        EXPECT_EQ(field(TextField, u"编辑框2"_s), QString());
        type(TextField, u"编辑框2"_s, u"v"_s);
        click(TextField, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), u"<INPUT NAME=q SIZE=30 value=\"v\" TYPE=text class=x>"_s);
}

TEST_F(ElementEditing, TextareaLinesAreItsText)
{
    const QString start = u"<textarea name=\"t\" rows=3 cols=20 id=t>"_s;
    load(start + u"\r\nli‸ne1\r\nline2\r\n</textarea><p>"_s);
    edit(TextField, [&] {
        EXPECT_EQ(rt.getCurrentPage({TextField, u"新选择夹1"_s}), 1);
        EXPECT_EQ(field(TextField, u"编辑框3"_s), u"t"_s);
        EXPECT_EQ(field(TextField, u"编辑框4"_s), u"20"_s);
        EXPECT_EQ(field(TextField, u"编辑框5"_s), u"3"_s);
        EXPECT_EQ(items(TextField, u"列表框1"_s), (QStringList{u"line1"_s, u"line2"_s}));
        openCompanion(TextField, u"超级按钮5"_s, AddText);
        typeOver(AddText, u"编辑框1"_s, u"line3"_s);
        click(AddText, u"超级按钮1"_s);
        click(TextField, u"超级按钮3"_s);
        click(TextField, u"超级按钮3"_s); // the page stays open: OK again rewrites the same element
        click(TextField, u"超级按钮4"_s);
    });
    EXPECT_EQ(text(), start + u"\r\nline1\r\nline2\r\nline3\r\n</textarea><p>"_s);
    undo();
    EXPECT_EQ(text(), start + u"\r\nline1\r\nline2\r\n</textarea><p>"_s);
}

// ---- 下拉框 ----------------------------------------------------------------------------------

TEST_F(ElementEditing, DropDownRoundTripAndMisalignedLists)
{
    when(DropDown, [&] {
        typeOver(DropDown, u"编辑框1"_s, u"c"_s);
        openCompanion(DropDown, u"超级按钮1"_s, AddOption);
        addPair(u"1"_s, u"One"_s);
        addPair(u"2"_s, u"Two"_s);
        click(DropDown, u"超级按钮3"_s);
    });
    open(u"超级按钮34"_s);
    const QString written = u"<select size=\"1\" name=\"c\">\r\n<option value=\"1\">\"One\"</option>\r\n"
                            u"<option value=\"2\">\"Two\"</option>\r\n</select>"_s;
    ASSERT_EQ(text(), written);

    caretAfter(u"\"Tw"_s);
    edit(DropDown, [&] {
        EXPECT_EQ(field(DropDown, u"编辑框1"_s), u"c"_s);
        EXPECT_EQ(items(DropDown, u"列表框1"_s), (QStringList{u"1"_s, u"2"_s}));
        EXPECT_EQ(items(DropDown, u"列表框2"_s), (QStringList{u"One"_s, u"Two"_s}));
        EXPECT_FALSE(rt.isChecked({DropDown, u"选择框1"_s}));
        click(DropDown, u"超级按钮3"_s);
    });
    EXPECT_EQ(text(), written);

    // Deleting in the option list only leaves the lists paired differently, as the dialog does.
    edit(DropDown, [&] {
        select(DropDown, u"列表框1"_s, 0);
        click(DropDown, u"超级按钮2"_s);
        tick(DropDown, u"选择框1"_s);
        click(DropDown, u"超级按钮3"_s);
    });
    EXPECT_EQ(text(), u"<select size=\"8\" name=\"c\" multiple>\r\n<option value=\"2\">\"One\"</option>\r\n</select>"_s);
    undo();
    EXPECT_EQ(text(), written);
}

TEST_F(ElementEditing, HandWrittenSelectKeepsItsOptionsWhenOnlyTheNameChanges)
{
    const QString options = u"\r\n<OPTION value=a selected>A\r\n<option>B</option>\r\n</SELECT>"_s;
    load(u"<SELECT ‸name=s class=k>"_s + options);
    edit(DropDown, [&] {
        EXPECT_EQ(items(DropDown, u"列表框1"_s), (QStringList{u"a"_s, QString()}));
        EXPECT_EQ(items(DropDown, u"列表框2"_s), (QStringList{u"A"_s, u"B"_s}));
        typeOver(DropDown, u"编辑框1"_s, u"t"_s);
        click(DropDown, u"超级按钮3"_s);
    });
    EXPECT_EQ(text(), u"<SELECT name=\"t\" class=k>"_s + options);
}

// ---- 脚本设置 --------------------------------------------------------------------------------

TEST_F(ElementEditing, ScriptBodyRoundTripAndRewrite)
{
    when(Script, [&] {
        type(Script, u"编辑框1"_s, u"alert(1);"_s);
        click(Script, u"超级按钮1"_s);
    });
    open(u"超级按钮25"_s);
    const QString written = u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\nalert(1);\r\n</script>"_s;
    ASSERT_EQ(text(), written);
    caretAfter(u"aler"_s);
    edit(Script, [&] {
        EXPECT_EQ(field(Script, u"组合框1"_s), u"JavaScript"_s);
        EXPECT_EQ(field(Script, u"编辑框1"_s), u"alert(1);"_s);
        click(Script, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), written);

    const QString start = u"<SCRIPT type='text/javascript' defer>"_s;
    load(start + u"\r\nvar a = 1 <‸ 2;\r\n</SCRIPT>"_s);
    edit(Script, [&] {
        EXPECT_EQ(field(Script, u"组合框1"_s), u"JavaScript"_s);
        EXPECT_EQ(field(Script, u"编辑框1"_s), u"var a = 1 < 2;"_s);
        typeOver(Script, u"编辑框1"_s, u"var b;"_s);
        click(Script, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), start + u"\r\nvar b;\r\n</script>"_s) << "the body and end tag are the dialog's";
    edit(Script, [&] {
        typeOver(Script, u"组合框1"_s, u"VBScript"_s);
        click(Script, u"超级按钮1"_s);
    });
    EXPECT_EQ(text(), u"<SCRIPT language=\"VBScript\" type=\"text/VBScript\" defer>\r\nvar b;\r\n</script>"_s);
}

// ---- the other dialogs ---------------------------------------------------------------------

TEST_F(ElementEditing, EveryOtherDialogChangesOnlyWhatWasChanged)
{
    struct Case {
        QString before, dialog, unit, value, ok, after;
    };
    const std::vector<Case> cases{
        {u"<a NAME='top' ‸id=x>"_s, u"AnchorDialog"_s, u"编辑框1"_s, u"end"_s, u"超级按钮1"_s, u"<a name=\"end\" id=x>"_s},
        {u"<a href=\"mailto:me@x.cn?subject=Hi\"‸ class=m>"_s, u"EmailLinkDialog"_s, u"编辑框1"_s, u"Yo"_s,
         u"超级按钮1"_s, u"<a href=\"mailto:me@x.cn?subject=Yo\" class=m>"_s},
        {u"<BGSOUND SRC=\"s.mid\" ‸LOOP=infinite>"_s, u"BackgroundSoundDialog"_s, u"编辑框1"_s, u"t.mid"_s,
         u"超级按钮1"_s, u"<BGSOUND src=\"t.mid\" LOOP=infinite>"_s},
        {u"<link href=\"a.css\" ‸rel=stylesheet media=print>"_s, u"StyleSheetDialog"_s, u"编辑框1"_s, u"b.css"_s,
         u"超级按钮1"_s, u"<link rel=stylesheet href=\"b.css\" media=print>"_s},
        {u"<form action=\"go.asp\" ‸method=post name=f>\r\n</form>"_s, u"FormDialog"_s, u"编辑框1"_s, u"x.asp"_s,
         u"超级按钮2"_s, u"<form method=post action=\"x.asp\" name=f>\r\n</form>"_s},
        {u"<input type=\"submit\" ‸value=\"Go\" name=b>"_s, u"ButtonDialog"_s, u"编辑框2"_s, u"Stop"_s, u"超级按钮1"_s,
         u"<input type=\"submit\" name=b value=\"Stop\">"_s},
        {u"<embed src=\"v.wmv\" ‸width=320 height=240 autostart=false>"_s, u"MediaDialog"_s, u"编辑框3"_s, u"640"_s,
         u"超级按钮2"_s, u"<embed src=\"v.wmv\" width=640 height=240 autostart=false>"_s},
        {u"<label for=x>Na‸me</label>"_s, u"LabelDialog"_s, u"编辑框1"_s, u"Nom"_s, u"超级按钮1"_s,
         u"<label for=x>Nom</label>"_s},
        {u"<CAPTION>\"Ta‸ble\"</CAPTION>"_s, u"CaptionDialog"_s, u"编辑框1"_s, u"Tab"_s, u"超级按钮1"_s,
         u"<CAPTION>\"Tab\"</caption>"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        load(c.before);
        QString original = c.before;
        original.remove(Caret);
        edit(c.dialog, [&] { click(c.dialog, c.ok); });
        EXPECT_EQ(text(), original) << "OK without a change";
        edit(c.dialog, [&] {
            typeOver(c.dialog, c.unit, c.value);
            click(c.dialog, c.ok);
        });
        EXPECT_EQ(text(), c.after);
        undo();
        EXPECT_EQ(text(), original);
    }
}

TEST_F(ElementEditing, CtrlEInTheEditorOpensTheDialog)
{
    load(u"<p><a href=\"k.html\">‸k</a></p>"_s);
    QWidget *editor = ui::testing::widget(rt, Editor);
    ASSERT_NE(editor, nullptr);
    editor->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor->window()));
    editor->setFocus();
    when(Hyperlink, [&] {
        EXPECT_EQ(field(Hyperlink, u"编辑框1"_s), u"k.html"_s);
        typeOver(Hyperlink, u"编辑框1"_s, u"m.html"_s);
        click(Hyperlink, u"超级按钮6"_s);
    });
    QTest::keySequence(editor, QKeySequence(u"Ctrl+E"_s));
    EXPECT_EQ(shown, QStringList{Hyperlink});
    EXPECT_EQ(text(), u"<p><a href=\"m.html\">k</a></p>"_s);
}

TEST_F(ElementEditing, WhatEachDialogWritesReadsBackAndIsWrittenAgainInItsForm)
{
    struct Case {
        QString written, dialog, ok;
        std::vector<std::pair<QString, QString>> fields; // unit, value read; the first is changed
    };
    const std::vector<Case> cases{
        {u"<a name=\"top\"></a>"_s, u"AnchorDialog"_s, u"超级按钮1"_s, {{u"编辑框1"_s, u"top"_s}}},
        {u"<a href=\"mailto:me@x.cn?subject=Hi\"></a>"_s, u"EmailLinkDialog"_s, u"超级按钮1"_s,
         {{u"编辑框2"_s, u"me@x.cn"_s}, {u"编辑框1"_s, u"Hi"_s}}},
        {u"<bgsound src=\"s.mid\" loop=-1>"_s, u"BackgroundSoundDialog"_s, u"超级按钮1"_s,
         {{u"编辑框2"_s, u"-1"_s}, {u"编辑框1"_s, u"s.mid"_s}}},
        {u"<link rel=\"stylesheet\" href=\"a.css\" type=\"text/css\" />"_s, u"StyleSheetDialog"_s, u"超级按钮1"_s,
         {{u"编辑框1"_s, u"a.css"_s}}},
        {u"<Form method=\"POST\" action=\"go.asp\">\r\n\r\n</Form>"_s, u"FormDialog"_s, u"超级按钮2"_s,
         {{u"组合框1"_s, u"POST"_s}, {u"编辑框1"_s, u"go.asp"_s}}},
        {u"<input type=\"submit\" name=\"b\" value=\"Go\">"_s, u"ButtonDialog"_s, u"超级按钮1"_s,
         {{u"编辑框1"_s, u"b"_s}, {u"组合框1"_s, u"submit"_s}, {u"编辑框2"_s, u"Go"_s}}},
        {u"<embed src=\"v.wmv\" width=320 height=240></embed>"_s, u"MediaDialog"_s, u"超级按钮2"_s,
         {{u"编辑框2"_s, u"240"_s}, {u"编辑框1"_s, u"v.wmv"_s}, {u"编辑框3"_s, u"320"_s}}},
        {u"<label>Name</label>"_s, u"LabelDialog"_s, u"超级按钮1"_s, {{u"编辑框1"_s, u"Name"_s}}},
        {u"<caption>\"T\"</caption>"_s, u"CaptionDialog"_s, u"超级按钮1"_s, {{u"编辑框1"_s, u"T"_s}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        rt.setEditorText(Editor, c.written);
        caretAt(3);
        const auto &[unit, value] = c.fields.front();
        edit(c.dialog, [&] {
            for (const auto &[u, v] : c.fields)
                EXPECT_EQ(field(c.dialog, u), v) << u.toStdString();
            typeOver(c.dialog, unit, u"zz"_s);
            click(c.dialog, c.ok);
        });
        EXPECT_NE(text(), c.written);
        caretAt(3);
        edit(c.dialog, [&] {
            typeOver(c.dialog, unit, value);
            click(c.dialog, c.ok);
        });
        EXPECT_EQ(documentBytes(), bytes(c.written)) << "changed and changed back: the dialog's own bytes";
    }
}
