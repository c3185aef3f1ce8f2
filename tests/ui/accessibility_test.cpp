// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about the windows: names of fields, buttons, tab pages and
// status panels, and the CodeEditor's text, caret and selection.
#include "app/main_window.h"
#include "support/eventually.h"
#include "support/show_catcher.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using ui::Kind;

namespace {

QString nameOf(QObject *o)
{
    QAccessibleInterface *a = o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    return a ? a->text(QAccessible::Name) : u"<no interface>"_s;
}

/// The accessible children of an object as (role, name) texts.
QStringList childNames(QObject *o, QAccessible::Role role)
{
    QStringList out;
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
    for (int i = 0; a && i < a->childCount(); ++i)
        if (QAccessibleInterface *c = a->child(i); c && c->role() == role)
            out << c->text(QAccessible::Name);
    return out;
}

void answerNo(QMessageBox *box)
{
    if (QAbstractButton *no = box->button(QMessageBox::No))
        no->click();
    else
        box->reject();
}

} // namespace

TEST(Accessibility, FieldsAreNamedByTheLabelsThatDescribeThem)
{
    ui::WindowDefinition def{.name = u"Form"_s, .caption = u"表单"_s, .width = 400, .height = 300};
    def.controls = {
        {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {10, 10, 60, 20}, .caption = u"链接地址："_s},
        {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .geometry = {80, 10, 200, 20}},
        {.unit = u"标签2"_s, .kind = Kind::Label, .geometry = {10, 40, 60, 20}, .caption = u"目标:"_s},
        {.unit = u"组合框1"_s, .kind = Kind::ComboBox, .geometry = {80, 40, 100, 20}, .items = {u"_top"_s}},
        {.unit = u"标签3"_s, .kind = Kind::Label, .geometry = {10, 70, 100, 20}, .caption = u"选项列表"_s},
        {.unit = u"列表框1"_s, .kind = Kind::ListBox, .geometry = {10, 92, 100, 80}},
        {.unit = u"编辑框2"_s, .kind = Kind::EditBox, .geometry = {200, 200, 100, 20}, .accessibleName = u"备注"_s},
    };
    ui::UiRuntime rt;
    rt.openWindow(def, false);
    auto name = [&](const QString &unit) { return nameOf(ui::testing::widget(rt, {u"Form"_s, unit})); };
    EXPECT_EQ(name(u"编辑框1"_s), u"链接地址"_s);
    EXPECT_EQ(name(u"组合框1"_s), u"目标"_s);
    EXPECT_EQ(name(u"列表框1"_s), u"选项列表"_s); // the label above it
    EXPECT_EQ(name(u"编辑框2"_s), u"备注"_s);
    rt.closeWindow(u"Form"_s);
    ASSERT_EVENTUALLY(!rt.isOpen(u"Form"_s));
}

class MainWindowAccessibility : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(main.definition(), false); }
    void TearDown() override
    {
        testsupport::ShowCatcher<QMessageBox> no(answerNo);
        rt.closeWindow(app::MainWindowName);
        ASSERT_EVENTUALLY(!rt.isOpen(app::MainWindowName));
    }
    QWidget *widget(const QString &unit) { return ui::testing::widget(rt, {app::MainWindowName, unit}); }
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

TEST_F(MainWindowAccessibility, ButtonsTabsAndPanelsHaveNames)
{
    EXPECT_EQ(nameOf(widget(u"超级按钮18"_s)), u"超连接"_s);  // its tooltip
    EXPECT_EQ(nameOf(widget(u"超级按钮1"_s)), u"粗体"_s);
    EXPECT_EQ(nameOf(widget(u"超级按钮26"_s)), u"水平线"_s);
    EXPECT_EQ(nameOf(widget(u"按钮1"_s)), u"客服"_s);          // its caption
    // The special characters have no tooltip: they are named by the reference they insert.
    const std::pair<int, QString> specials[] = {{17, u"&#8482;"_s}, {23, u"&reg;"_s},   {39, u"&copy;"_s},
                                                {40, u"&para;"_s},  {41, u"&pound;"_s}, {42, u"&cent;"_s},
                                                {43, u"&yen;"_s},   {44, u"&sect;"_s},  {45, u"&#8240;"_s}};
    for (const auto &[number, reference] : specials) {
        QWidget *b = widget(u"超级按钮%1"_s.arg(number));
        EXPECT_EQ(nameOf(b), reference) << number;
        EXPECT_EQ(b->toolTip(), QString()) << number; // the tooltip itself stays as defined
    }
    // Every one of the 45 buttons says something.
    for (int n = 1; n <= 45; ++n)
        EXPECT_FALSE(nameOf(widget(u"超级按钮%1"_s.arg(n))).isEmpty()) << n;

    EXPECT_EQ(childNames(widget(u"新选择夹1"_s)->findChild<QTabBar *>(), QAccessible::PageTab),
              (QStringList{u"常用"_s, u"文本"_s, u"表单"_s, u"特殊字符"_s, u"媒体"_s}));
    EXPECT_EQ(childNames(widget(u"新选择夹2"_s)->findChild<QTabBar *>(), QAccessible::PageTab),
              (QStringList{u"vb"_s, u"html"_s, u"ihtml"_s, u"asp"_s}));
    // The lists are named after their pages.
    EXPECT_EQ(nameOf(widget(u"列表框1"_s)), u"ihtml"_s);
    EXPECT_EQ(nameOf(widget(u"列表框4"_s)), u"asp"_s);

    // Status panels read out their texts, also after they change.
    auto *bar = widget(u"状态条1"_s);
    QStringList panels;
    for (int i = 0; i < 9; ++i)
        panels << nameOf(bar->findChild<QWidget *>(u"panel%1"_s.arg(i)));
    EXPECT_EQ(panels[0], u"程序行数"_s);
    EXPECT_EQ(panels[6], u"程序长度"_s);
    rt.setPanelText({app::MainWindowName, u"状态条1"_s}, 8, u"就绪"_s);
    EXPECT_EQ(nameOf(bar->findChild<QWidget *>(u"panel8"_s)), u"就绪"_s);
}

TEST_F(MainWindowAccessibility, CodeEditorOffersTextCaretAndSelection)
{
    const ui::ControlRef editor{app::MainWindowName, u"超级编辑框1"_s};
    rt.setEditorText(editor, u"<p>网页</p>"_s);
    auto *ed = qobject_cast<QsciScintilla *>(widget(editor.unit));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(ed);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::EditableText);
    QAccessibleTextInterface *text = a->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 9);
    EXPECT_EQ(text->text(0, text->characterCount()), u"<p>网页</p>"_s);
    ed->setSelection(0, 3, 0, 5); // 网页
    EXPECT_EQ(text->selectionCount(), 1);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 5);
    // The caret position reaches assistive technology once the editor has updated its view.
    ASSERT_EVENTUALLY_EQ(text->cursorPosition(), 5);
    EXPECT_EQ(text->cursorPosition(), 5);
    EXPECT_EQ(text->text(start, end), u"网页"_s);
}
