// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless companions AddTextDialog and AddOptionDialog: they fill their target dialog's
// lists while the target is modal towards the MainWindow, and close together with it.
#include "dialog_driver.h"

#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString TextField = u"TextFieldDialog"_s;
const QString AddText = u"AddTextDialog"_s;
const QString DropDown = u"DropDownDialog"_s;
const QString AddOption = u"AddOptionDialog"_s;

class FormCompanions : public testsupport::DialogDriver {
protected:
    /// Clicks 添加 in the target and waits for the companion.
    void openCompanion(const QString &target, const QString &addButton, const QString &companion)
    {
        click(target, addButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return rt.isOpen(companion) && widget(companion, {})->isVisible(); }));
    }

    void addLine(const QString &text)
    {
        typeOver(AddText, u"编辑框1"_s, text);
        click(AddText, u"超级按钮1"_s);
    }

    void addPair(const QString &option, const QString &value)
    {
        type(AddOption, u"编辑框1"_s, option);
        type(AddOption, u"编辑框2"_s, value);
        click(AddOption, u"超级按钮1"_s);
    }

    /// Input that comes through the window system, where Qt drops what a modal window blocks.
    static void systemClick(QWidget *w)
    {
        QWidget *top = w->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
    }
    static void systemType(QWidget *w, const char *text)
    {
        for (const char *c = text; *c; ++c)
            QTest::keyClick(w->window()->windowHandle(), *c);
    }
};

} // namespace

TEST_F(FormCompanions, LinesAddedThroughAddTextComeOutInOrder)
{
    when(TextField, [&] {
        showPage(TextField, u"新选择夹1"_s, 1);
        openCompanion(TextField, u"超级按钮5"_s, AddText);
        addLine(u"first"_s);
        addLine(u"second"_s);
        // The field keeps its text: the same line can be added again.
        click(AddText, u"超级按钮1"_s);
        EXPECT_EQ(rt.getFieldText({AddText, u"编辑框1"_s}), u"second"_s);
        EXPECT_EQ(items(TextField, u"列表框1"_s), (QStringList{u"first"_s, u"second"_s, u"second"_s}));
        EXPECT_EQ(rt.getListIndex({TextField, u"列表框1"_s}), 2) << "the new line is selected";

        click(TextField, u"超级按钮3"_s);
        click(TextField, u"超级按钮3"_s); // OK twice: the same element twice
        click(TextField, u"超级按钮4"_s);
    });
    open(u"超级按钮31"_s);
    const std::string textarea = "<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\nfirst\r\nsecond\r\nsecond\r\n</textarea>";
    EXPECT_EQ(documentBytes(), textarea + textarea);
    EXPECT_FALSE(rt.isOpen(AddText)) << "the companion closes with its target";
}

TEST_F(FormCompanions, DeletingRemovesOnlyTheSelectedLine)
{
    when(TextField, [&] {
        showPage(TextField, u"新选择夹1"_s, 1);
        openCompanion(TextField, u"超级按钮5"_s, AddText);
        for (const QString &line : {u"a"_s, u"b"_s, u"c"_s})
            addLine(line);
        const ui::ControlRef lines{TextField, u"列表框1"_s};
        select(TextField, u"列表框1"_s, 1);
        click(TextField, u"超级按钮6"_s);
        EXPECT_EQ(items(TextField, u"列表框1"_s), (QStringList{u"a"_s, u"c"_s}));
        EXPECT_EQ(rt.getListIndex(lines), -1) << "no other line becomes selected";
        // With nothing selected, 删除 does nothing.
        click(TextField, u"超级按钮6"_s);
        EXPECT_EQ(items(TextField, u"列表框1"_s), (QStringList{u"a"_s, u"c"_s}));
        click(TextField, u"超级按钮3"_s);
        click(AddText, u"超级按钮2"_s); // the companion's own Cancel closes only itself
        EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(AddText); }));
        EXPECT_TRUE(rt.isOpen(TextField));
        click(TextField, u"超级按钮4"_s);
    });
    open(u"插入/表单/文本框"_s);
    EXPECT_EQ(documentBytes(), "<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\na\r\nc\r\n</textarea>");
}

TEST_F(FormCompanions, CompanionAndModalTargetTakeInputInTurn)
{
    when(TextField, [&] {
        showPage(TextField, u"新选择夹1"_s, 1);
        openCompanion(TextField, u"超级按钮5"_s, AddText);
        QWidget *field = widget(AddText, u"编辑框1"_s);
        systemClick(field);
        systemType(field, "typed");
        systemClick(widget(AddText, u"超级按钮1"_s));
        EXPECT_EQ(items(TextField, u"列表框1"_s), QStringList{u"typed"_s});

        // Back in the target: the line is selected there, and 删除 takes it away.
        systemClick(widget(TextField, u"超级按钮6"_s));
        EXPECT_EQ(rt.getListCount({TextField, u"列表框1"_s}), 0);
        // And in the companion again.
        systemClick(widget(AddText, u"超级按钮1"_s));
        EXPECT_EQ(items(TextField, u"列表框1"_s), QStringList{u"typed"_s});

        // The MainWindow stays blocked: its 水平线 button inserts nothing.
        systemClick(widget(app::MainWindowName, u"超级按钮26"_s));
        EXPECT_EQ(documentBytes(), "");

        // Opening the open companion again brings it to the front as it is.
        systemType(field, "!");
        click(TextField, u"超级按钮5"_s);
        EXPECT_EQ(rt.getFieldText({AddText, u"编辑框1"_s}), u"typed!"_s);
        EXPECT_EQ(widget(AddText, u"编辑框1"_s), field) << "the same window, not a new one";
        click(TextField, u"超级按钮4"_s);
    });
    open(u"插入/表单/文本框"_s);
    EXPECT_FALSE(rt.isOpen(AddText));
    EXPECT_EQ(documentBytes(), "");
}

TEST_F(FormCompanions, OptionLinesPairTheTwoLists)
{
    when(DropDown, [&] {
        openCompanion(DropDown, u"超级按钮1"_s, AddOption);
        addPair(u"bj"_s, u"Beijing"_s);
        // The fields are emptied for the next pair, and the new pair is selected in both lists.
        EXPECT_EQ(rt.getFieldText({AddOption, u"编辑框1"_s}), u""_s);
        EXPECT_EQ(rt.getFieldText({AddOption, u"编辑框2"_s}), u""_s);
        addPair(u"sh"_s, {}); // an empty value
        EXPECT_EQ(rt.getListIndex({DropDown, u"列表框1"_s}), 1);
        EXPECT_EQ(rt.getListIndex({DropDown, u"列表框2"_s}), 1);
        click(DropDown, u"超级按钮3"_s);
    });
    open(u"插入/表单/下拉式列表"_s);
    EXPECT_EQ(documentBytes(), "<select size=\"1\" name=\"Combo1\">\r\n"
                               "<option value=\"bj\">\"Beijing\"</option>\r\n"
                               "<option value=\"sh\">\"\"</option>\r\n"
                               "</select>");
    EXPECT_FALSE(rt.isOpen(AddOption)) << "the companion closes with its target";
}

TEST_F(FormCompanions, DeletingAtDifferentRowsMisalignsThePairs)
{
    when(DropDown, [&] {
        openCompanion(DropDown, u"超级按钮1"_s, AddOption);
        addPair(u"o1"_s, u"v1"_s);
        addPair(u"o2"_s, u"v2"_s);
        addPair(u"o3"_s, u"v3"_s);
        select(DropDown, u"列表框1"_s, 0);
        select(DropDown, u"列表框2"_s, 1);
        click(DropDown, u"超级按钮2"_s);
        EXPECT_EQ(items(DropDown, u"列表框1"_s), (QStringList{u"o2"_s, u"o3"_s}));
        EXPECT_EQ(items(DropDown, u"列表框2"_s), (QStringList{u"v1"_s, u"v3"_s}));
        // Only the value list has a selection now: it loses one more, the option list none.
        select(DropDown, u"列表框2"_s, 0);
        click(DropDown, u"超级按钮2"_s);
        EXPECT_EQ(items(DropDown, u"列表框1"_s), (QStringList{u"o2"_s, u"o3"_s}));
        EXPECT_EQ(items(DropDown, u"列表框2"_s), QStringList{u"v3"_s});
        // Nothing selected: nothing goes.
        click(DropDown, u"超级按钮2"_s);
        EXPECT_EQ(rt.getListCount({DropDown, u"列表框2"_s}), 1);
        tick(DropDown, u"选择框1"_s);
        click(DropDown, u"超级按钮3"_s);
    });
    open(u"超级按钮34"_s);
    // The value list is shorter now: the second option's text is empty.
    EXPECT_EQ(documentBytes(), "<select size=\"8\" name=\"Combo1\" multiple>\r\n"
                               "<option value=\"o2\">\"v3\"</option>\r\n"
                               "<option value=\"o3\">\"\"</option>\r\n"
                               "</select>");
}

TEST_F(FormCompanions, CompanionLeftOpenWhenItsTargetIsCancelled)
{
    when(DropDown, [&] {
        openCompanion(DropDown, u"超级按钮1"_s, AddOption);
        type(AddOption, u"编辑框1"_s, u"pending"_s);
        click(DropDown, u"超级按钮4"_s);
    });
    open(u"超级按钮34"_s);
    EXPECT_FALSE(rt.isOpen(DropDown));
    EXPECT_FALSE(rt.isOpen(AddOption));
    EXPECT_EQ(documentBytes(), "");

    // A fresh opening starts with empty lists and a fresh companion.
    when(DropDown, [&] {
        EXPECT_EQ(rt.getListCount({DropDown, u"列表框1"_s}), 0);
        openCompanion(DropDown, u"超级按钮1"_s, AddOption);
        EXPECT_EQ(rt.getFieldText({AddOption, u"编辑框1"_s}), u""_s);
        click(DropDown, u"超级按钮4"_s);
    });
    open(u"超级按钮34"_s);
    EXPECT_FALSE(rt.isOpen(AddOption));
}
