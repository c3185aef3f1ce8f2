// SPDX-License-Identifier: GPL-3.0-or-later
// The form-control, script, date and caption dialogs, driven from the MainWindow as a user
// drives them; the document's bytes are compared after each.
#include "dialog_driver.h"

#include "markup/add_option_dialog.h"
#include "markup/add_text_dialog.h"
#include "markup/button_dialog.h"
#include "markup/caption_dialog.h"
#include "markup/date_dialog.h"
#include "markup/drop_down_dialog.h"
#include "markup/form_dialog.h"
#include "markup/label_dialog.h"
#include "markup/script_dialog.h"
#include "markup/text_field_dialog.h"
#include "ui/definition_lint.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

class FormScriptDialogs : public testsupport::DialogDriver {};

const QString TextField = u"TextFieldDialog"_s;
const QString DropDown = u"DropDownDialog"_s;

} // namespace

TEST(FormScriptDefinitions, AreSound)
{
    document::Session s(app::MainWindowName);
    for (const ui::WindowDefinition &def :
         {markup::formDialogDefinition(s), markup::textFieldDialogDefinition(s), markup::addTextDialogDefinition(),
          markup::buttonDialogDefinition(s), markup::labelDialogDefinition(s), markup::dropDownDialogDefinition(s),
          markup::addOptionDialogDefinition(), markup::scriptDialogDefinition(s), markup::dateDialogDefinition(s),
          markup::captionDialogDefinition(s)})
        EXPECT_EQ(ui::lintDefinition(def), QStringList()) << def.name.toStdString();
}

TEST_F(FormScriptDialogs, EveryOpenerOpensItsDialog)
{
    const std::vector<std::pair<QString, QString>> openers = {
        {u"插入/表单/表单"_s, u"FormDialog"_s},       {u"超级按钮29"_s, u"FormDialog"_s},
        {u"插入/表单/文本框"_s, TextField},          {u"超级按钮31"_s, TextField},
        {u"插入/表单/按键"_s, u"ButtonDialog"_s},     {u"超级按钮30"_s, u"ButtonDialog"_s},
        {u"插入/表单/分组框"_s, u"LabelDialog"_s},    {u"超级按钮35"_s, u"LabelDialog"_s},
        {u"插入/表单/下拉式列表"_s, DropDown},       {u"超级按钮34"_s, DropDown},
        {u"插入/脚本对象/插入脚本"_s, u"ScriptDialog"_s},
        {u"插入/脚本对象/插入JavaScript"_s, u"ScriptDialog"_s},
        {u"插入/脚本对象/插入VBScript"_s, u"ScriptDialog"_s},
        {u"超级按钮25"_s, u"ScriptDialog"_s},
        {u"插入/日期标签"_s, u"DateDialog"_s},        {u"超级按钮27"_s, u"DateDialog"_s},
        {u"插入/表格/标题"_s, u"CaptionDialog"_s},
    };
    for (const auto &[opener, dialog] : openers) {
        QString shown;
        QString language;
        rt.onWindowShown = [&](const QString &name) {
            shown = name;
            language = rt.getFieldText({name, u"组合框1"_s});
            // The MainWindow takes no input while the dialog is up.
            EXPECT_EQ(QApplication::activeModalWidget(), ui::testing::widget(rt, {name, {}}));
            rt.closeWindow(name); // the title-bar close
        };
        open(opener);
        EXPECT_EQ(shown, dialog) << opener.toStdString();
        EXPECT_FALSE(rt.isOpen(dialog));
        if (dialog == u"ScriptDialog"_s) {
            EXPECT_EQ(language, u"JavaScript"_s) << "no opener preselects a language: " << opener.toStdString();
        }
    }
    EXPECT_EQ(documentBytes(), "") << "closing a dialog inserts nothing";
}

TEST_F(FormScriptDialogs, FormDialog)
{
    // Confirmed at once: empty method and action, the caret left after "</Form>".
    when(u"FormDialog"_s, [&] { click(u"FormDialog"_s, u"超级按钮2"_s); });
    open(u"插入/表单/表单"_s);
    EXPECT_EQ(documentBytes(), "<Form method=\"\" action=\"\">\r\n\r\n</Form>");

    rt.setEditorText(Editor, {});
    when(u"FormDialog"_s, [&] {
        pick(u"FormDialog"_s, u"组合框1"_s, 1);
        type(u"FormDialog"_s, u"编辑框1"_s, u"save.asp"_s);
        click(u"FormDialog"_s, u"超级按钮2"_s);
    });
    open(u"超级按钮29"_s);
    rt.insertAtCaret(Editor, u"|"_s);
    EXPECT_EQ(documentBytes(), "<Form method=\"GET\" action=\"save.asp\">\r\n\r\n</Form>|");

    // Cancel inserts nothing.
    rt.setEditorText(Editor, {});
    when(u"FormDialog"_s, [&] {
        type(u"FormDialog"_s, u"编辑框1"_s, u"x"_s);
        click(u"FormDialog"_s, u"超级按钮3"_s);
    });
    open(u"超级按钮29"_s);
    EXPECT_EQ(documentBytes(), "");
}

TEST_F(FormScriptDialogs, OneLineTextFieldNeedsAChoiceOfPasswordOrPlain)
{
    // Neither 是 nor 否: nothing is inserted, the dialog still closes.
    when(TextField, [&] { click(TextField, u"超级按钮1"_s); });
    open(u"插入/表单/文本框"_s);
    EXPECT_EQ(documentBytes(), "");

    when(TextField, [&] {
        typeOver(TextField, u"编辑框1"_s, u"pw"_s);
        type(TextField, u"编辑框2"_s, u"secret"_s);
        tick(TextField, u"单选框1"_s);
        click(TextField, u"超级按钮1"_s);
    });
    open(u"超级按钮31"_s);
    EXPECT_EQ(documentBytes(), "<input name=\"pw\" size=\"20\" value=\"secret\" type=\"password\">");

    // 是 then 否: the radio buttons share a group, so only the plain field comes out.
    rt.setEditorText(Editor, {});
    when(TextField, [&] {
        tick(TextField, u"单选框1"_s);
        tick(TextField, u"单选框2"_s);
        click(TextField, u"超级按钮1"_s);
    });
    open(u"超级按钮31"_s);
    EXPECT_EQ(documentBytes(), "<input name=\"text1\" size=\"20\" value=\"\">");
}

TEST_F(FormScriptDialogs, TextareaPageStaysOpenAfterOk)
{
    when(TextField, [&] {
        auto *bar = widget(TextField, u"新选择夹1"_s)->findChild<QTabBar *>();
        EXPECT_EQ(bar->tabText(0), u"         单行文本框      "_s);
        EXPECT_EQ(bar->tabText(1), u"         多行文本框      "_s);
        showPage(TextField, u"新选择夹1"_s, 1);
        click(TextField, u"超级按钮3"_s);
        EXPECT_TRUE(rt.isOpen(TextField));
        EXPECT_EQ(documentBytes(), "<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n</textarea>");
        // Fields typed afterwards go into a second element; the first stays as it was.
        typeOver(TextField, u"编辑框5"_s, u"3"_s);
        typeOver(TextField, u"编辑框4"_s, u"wide"_s);
        click(TextField, u"超级按钮3"_s);
        click(TextField, u"超级按钮4"_s);
    });
    open(u"插入/表单/文本框"_s);
    EXPECT_FALSE(rt.isOpen(TextField));
    EXPECT_EQ(documentBytes(), "<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n</textarea>"
                               "<textarea rows=\"3\" name=\"S1\" cols=\"wide\">\r\n</textarea>");
}

TEST_F(FormScriptDialogs, ButtonDialog)
{
    when(u"ButtonDialog"_s, [&] {
        EXPECT_EQ(rt.getFieldText({u"ButtonDialog"_s, u"组合框1"_s}), u"button"_s);
        click(u"ButtonDialog"_s, u"超级按钮1"_s);
    });
    open(u"插入/表单/按键"_s);
    EXPECT_EQ(documentBytes(), "<input type=\"button\" name=\"\" value=\"\">");

    // The empty fourth type gives an input with an empty type.
    rt.setEditorText(Editor, {});
    when(u"ButtonDialog"_s, [&] {
        pick(u"ButtonDialog"_s, u"组合框1"_s, 3);
        type(u"ButtonDialog"_s, u"编辑框1"_s, u"go"_s);
        type(u"ButtonDialog"_s, u"编辑框2"_s, u"Go!"_s);
        click(u"ButtonDialog"_s, u"超级按钮1"_s);
    });
    open(u"超级按钮30"_s);
    EXPECT_EQ(documentBytes(), "<input type=\"\" name=\"go\" value=\"Go!\">");
}

TEST_F(FormScriptDialogs, LabelDialog)
{
    when(u"LabelDialog"_s, [&] {
        type(u"LabelDialog"_s, u"编辑框1"_s, u"Name <b>"_s);
        click(u"LabelDialog"_s, u"超级按钮1"_s);
    });
    open(u"超级按钮35"_s);
    EXPECT_EQ(documentBytes(), "<label>Name <b></label>");
}

TEST_F(FormScriptDialogs, DropDownWithoutEntries)
{
    when(DropDown, [&] { click(DropDown, u"超级按钮3"_s); });
    open(u"插入/表单/下拉式列表"_s);
    EXPECT_EQ(documentBytes(), "<select size=\"1\" name=\"Combo1\">\r\n</select>");

    // Ticked: size 8 and "multiple"; a typed name goes into the name attribute.
    rt.setEditorText(Editor, {});
    when(DropDown, [&] {
        tick(DropDown, u"选择框1"_s);
        typeOver(DropDown, u"编辑框1"_s, u"city"_s);
        click(DropDown, u"超级按钮3"_s);
    });
    open(u"超级按钮34"_s);
    EXPECT_EQ(documentBytes(), "<select size=\"8\" name=\"city\" multiple>\r\n</select>");
}

TEST_F(FormScriptDialogs, ScriptDialog)
{
    // Confirmed at once: the JavaScript line, the empty body's line, "</script>".
    when(u"ScriptDialog"_s, [&] { click(u"ScriptDialog"_s, u"超级按钮1"_s); });
    open(u"超级按钮25"_s);
    EXPECT_EQ(documentBytes(), "<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n\r\n</script>");

    // A two-line VBScript body keeps its own break and gets exactly one more.
    rt.setEditorText(Editor, {});
    when(u"ScriptDialog"_s, [&] {
        pick(u"ScriptDialog"_s, u"组合框1"_s, 3);
        QWidget *body = widget(u"ScriptDialog"_s, u"编辑框1"_s);
        QTest::keyClicks(body, u"Dim a"_s);
        QTest::keyClick(body, Qt::Key_Return);
        QTest::keyClicks(body, u"a = 1"_s);
        click(u"ScriptDialog"_s, u"超级按钮1"_s);
    });
    open(u"插入/脚本对象/插入VBScript"_s);
    EXPECT_EQ(documentBytes(), "<script language=\"VBScript\" type=\"text/VBScript\">\r\nDim a\r\na = 1\r\n</script>");

    // A language typed over, even one differing only in case, inserts nothing and closes.
    rt.setEditorText(Editor, {});
    for (const QString &typed : {u"javascript"_s, u"JavaScript "_s, QString()}) {
        when(u"ScriptDialog"_s, [&] {
            typeOver(u"ScriptDialog"_s, u"组合框1"_s, typed);
            type(u"ScriptDialog"_s, u"编辑框1"_s, u"alert(1)"_s);
            click(u"ScriptDialog"_s, u"超级按钮1"_s);
        });
        open(u"插入/脚本对象/插入JavaScript"_s);
        EXPECT_FALSE(rt.isOpen(u"ScriptDialog"_s));
        EXPECT_EQ(documentBytes(), "") << typed.toStdString();
    }
    // Typed exactly as listed, it counts as chosen.
    when(u"ScriptDialog"_s, [&] {
        typeOver(u"ScriptDialog"_s, u"组合框1"_s, u"JavaScript1.2"_s);
        click(u"ScriptDialog"_s, u"超级按钮1"_s);
    });
    open(u"插入/脚本对象/插入脚本"_s);
    EXPECT_EQ(documentBytes(), "<script language=\"JavaScript1.2\" type=\"text/JavaScript1.2\">\r\n\r\n</script>");
}

TEST_F(FormScriptDialogs, DateDialogJoinsTheSampleTexts)
{
    const QString date = u"DateDialog"_s;
    // At once: the first weekday and the blank, no date.
    when(date, [&] { click(date, u"超级按钮1"_s); });
    open(u"插入/日期标签"_s);
    EXPECT_EQ(documentBytes(), bytes(u"星期二 "_s));

    rt.setEditorText(Editor, {});
    when(date, [&] {
        pick(date, u"组合框1"_s, 4);
        select(date, u"列表框1"_s, 8);
        click(date, u"超级按钮1"_s);
    });
    open(u"超级按钮27"_s);
    EXPECT_EQ(documentBytes(), " 31/05/05");

    rt.setEditorText(Editor, {});
    when(date, [&] {
        pick(date, u"组合框1"_s, 3);
        select(date, u"列表框1"_s, 6);
        click(date, u"超级按钮1"_s);
    });
    open(u"超级按钮27"_s);
    EXPECT_EQ(documentBytes(), "sunday, 2005/05/31");

    rt.setEditorText(Editor, {});
    when(date, [&] {
        select(date, u"列表框1"_s, 7);
        click(date, u"超级按钮1"_s);
    });
    open(u"超级按钮27"_s);
    EXPECT_EQ(documentBytes(), bytes(u"星期二 2005年05月31日"_s));
}

TEST_F(FormScriptDialogs, CaptionDialogQuotesItsText)
{
    when(u"CaptionDialog"_s, [&] { click(u"CaptionDialog"_s, u"超级按钮1"_s); });
    open(u"插入/表格/标题"_s);
    EXPECT_EQ(documentBytes(), "<caption>\"\"</caption>");

    rt.setEditorText(Editor, {});
    when(u"CaptionDialog"_s, [&] {
        type(u"CaptionDialog"_s, u"编辑框1"_s, u"Prices"_s);
        click(u"CaptionDialog"_s, u"超级按钮1"_s);
    });
    open(u"插入/表格/标题"_s);
    EXPECT_EQ(documentBytes(), "<caption>\"Prices\"</caption>");
}

TEST_F(FormScriptDialogs, OkReplacesTheSelection)
{
    rt.setEditorText(Editor, u"before OLD after"_s);
    rt.selectAllText(Editor);
    when(u"LabelDialog"_s, [&] { click(u"LabelDialog"_s, u"超级按钮1"_s); });
    open(u"插入/表单/分组框"_s);
    EXPECT_EQ(documentBytes(), "<label></label>");
}
