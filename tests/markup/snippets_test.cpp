// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed snippets of the menus and the toolbar, and the toolbar's pictures.
#include "app/main_window.h"
#include "support/eventually.h"
#include "ui/runtime.h"
#include "support/show_catcher.h"
#include "ui/testing.h"
#include "support/text_printing.h"

#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <set>

using namespace Qt::Literals::StringLiterals;

namespace {

const ui::ControlRef Editor{u"MainWindow"_s, u"超级编辑框1"_s};

class MainWindowFixture {
protected:
    MainWindowFixture() { rt.openWindow(main.definition(), false); }
    ~MainWindowFixture()
    {
        rt.closeWindow(app::MainWindowName);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(app::MainWindowName); }, 5000));
    }

    QsciScintilla *editor() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }

    /// Replaces the document and selects [anchor, caret) — ASCII texts only, so characters are bytes.
    void setDocument(const QString &text, int from, int to)
    {
        rt.setEditorText(Editor, text);
        editor()->SendScintilla(QsciScintilla::SCI_SETSEL, from, to);
    }

    /// A menu item is chosen, a button is clicked, as the user would do it.
    void trigger(const QString &unit)
    {
        if (unit.startsWith(u"超级按钮"_s)) {
            auto *button = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {app::MainWindowName, unit}));
            ASSERT_NE(button, nullptr) << unit.toStdString();
            button->click();
        } else {
            QAction *action = ui::testing::menuAction(rt, {app::MainWindowName, unit});
            ASSERT_NE(action, nullptr) << unit.toStdString();
            action->trigger();
        }
    }

    // Closing the changed document asks whether to save it: the answer is No.
    testsupport::ShowCatcher<QMessageBox> saveQuestion{[](QMessageBox *box) { box->button(QMessageBox::No)->click(); }};
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

struct Snippet {
    QString unit;
    QString text; // all pieces, joined
};

void PrintTo(const Snippet &s, std::ostream *out) { *out << s.unit.toStdString(); }

// The expected texts are written out here on their own, so that a slip in the catalogue shows.
const QString Table =
    u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"
    "<tr bgcolor=\"\">\r\n<td>\"1-1\"</td>\r\n</tr>\r\n</table>"_s;
const QString CheckBox = u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_s;
const QString RadioButton = u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_s;

const std::vector<Snippet> Catalogue = {
    // Shared snippets, from both of their triggers.
    {u"插入/表格/表格"_s, Table},
    {u"超级按钮21"_s, Table},
    {u"插入/水平线"_s, u"<hr>"_s},
    {u"超级按钮26"_s, u"<hr>"_s},
    {u"插入/表单/复选框"_s, CheckBox},
    {u"超级按钮33"_s, CheckBox},
    {u"插入/表单/单选框"_s, RadioButton},
    {u"超级按钮32"_s, RadioButton},
    // The rest of the insert menu.
    {u"插入/编辑css"_s, u"<style type=\"text/css\">/*<![CDATA[*//*]]>*/</style>"_s},
    {u"插入/表格/TR"_s, u"<TR></TR>"_s},
    {u"插入/表格/TH"_s, u"<TH></TH>"_s},
    {u"插入/表格/TD"_s, u"<TD></TD>"_s},
    {u"插入/脚本对象/插入noscript"_s, u"<noscript></noscript>"_s},
    {u"插入/时间标签"_s, u"<!--%TimeStamp%-->2005-05-31 21:31<!---->"_s},
    // Effects.
    {u"java特效/加入收藏夹"_s,
     u"<a href=javascript:void(0);onclick=window.external.AddFavorite(\"http://www.example.com/\",\"Orlen开发系统\");>[加入收藏]</a>"_s},
    {u"java特效/设为首页"_s,
     u"<a href style=\"cursor:hand\" onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage('http://www.example.com/');\">设为首页</a>"_s},
    {u"java特效/调整窗体大小"_s, u"<input type=button value=调节到宽200高300 onclick=window.resizeTo(200,300)>"_s},
    {u"java特效/IE按钮"_s,
     u"<input type=button value=后退 onclick=history.go(-1)><input type=button value=刷新 onclick=history.go(-0)><input type=button value=前进 onclick=history.go(+1)>"_s},
    {u"java特效/分时问候"_s,
     u"<script language=\"javaScript\">\r\n<!--\r\nnow = new Date(),hour = now.getHours()\r\n"
     "if(hour < 6){document.write(\"凌晨好!\")}\r\n"
     "else if (hour < 9){document.write(\"早上好!\")}\r\n"
     "else if (hour < 12){document.write(\"上午好!\")}\r\n"
     "else if (hour < 14){document.write(\"中午好!\")}\r\n"
     "else if (hour < 17){document.write(\"下午好!\")}\r\n"
     "else if (hour < 19){document.write(\"傍晚好!\")}\r\n"
     "else if (hour < 22){document.write(\"晚上好!\")}\r\n"
     "else {document.write(\"夜里好!\")}\r\n// -->\r\n</script>\r\n"_s},
    {u"java特效/前后退按钮"_s,
     u"<FORM>\r\n<INPUT TYPE=\"button\" VALUE=\"<<后退\" onClick=\"history.go(-1)\">\r\n"
     "<INPUT TYPE=\"button\" VALUE=\"前进>>\" onClick=\"history.go(1)\">\r\n</FORM>"_s},
    {u"java特效/检测浏览器"_s,
     u"<script>document.write(\"当前浏览器：\"+navigator.appName+\" \"+navigator.appVersion);</script>"_s},
    {u"java特效/防止网页被他人调用"_s,
     u"<SCRIPT LANGUAGE=JAVASCRIPT>\r\nif (top.location !== self.location)\r\n{\r\ntop.location=self.location;\r\n}\r\n</SCRIPT>\r\n"_s},
    {u"java特效/IE浏览器滚动条设置"_s,
     u"<style>\r\nBODY {\r\nSCROLLBAR-FACE-COLOR: #80EE80;\r\nSCROLLBAR-HIGHLIGHT-COLOR: #C0C0C0;\r\n"
     "SCROLLBAR-SHADOW-COLOR: #A0A0A0;\r\nSCROLLBAR-3DLIGHT-COLOR: #C0FFC0;\r\nSCROLLBAR-DARKSHADOW-COLOR: #C0FFC0;\r\n"
     "SCROLLBAR-ARROW-COLOR: #108810;\r\nSCROLLBAR-TRACK-COLOR: #C0FFC0;\r\nSCROLLBAR-BASE-COLOR: #000000;\r\n}\r\n</style>\r\n"_s},
    // SQL.
    {u"SQL/筛选/SELECT*FROM..WHERE"_s, u"SELECT*FROM..WHERE"_s},
    {u"SQL/筛选/SELECT*FROM..WHERE..LIKE"_s, u"SELECT*FROM..WHERE..LIKE"_s},
    {u"SQL/筛选/SELECT*FROM..WHERE..IN"_s, u"SELECT*FROM..WHERE..IN"_s},
    {u"SQL/筛选/SELECT*FROM..WHERE..BETWEEN"_s, u"SELECT*FROM..WHERE..BETWEEN"_s},
    {u"SQL/排序/递增"_s, u"SELECT*FROM 表 ORDER BY 字段 ASC"_s},
    {u"SQL/排序/递减"_s, u"SELECT*FROM 表 ORDER BY 字段 DESC"_s},
    {u"SQL/增加记录"_s, u"INSERT INTO 表名称 (字段1,字段2,字段3,...)VALUES(数据1,数据2,数据3,...)"_s},
    {u"SQL/更新记录"_s, u"UPDATE 表名称 SET 字段1=数据1,字段2=数据2 WHERE 条件"_s},
    {u"SQL/删除记录"_s, u"DELETE*FROM 表名称 WHERE 条件"_s},
    // Toolbar.
    {u"超级按钮28"_s, u"<!--       -->"_s},
    {u"超级按钮1"_s, u"<strong></strong>"_s},
    {u"超级按钮2"_s, u"<em></em>"_s},
    {u"超级按钮3"_s, u"<strong></strong>"_s},
    {u"超级按钮4"_s, u"<em></em>"_s},
    {u"超级按钮5"_s, u"<p></p>"_s},
    {u"超级按钮6"_s, u"<blockquote></blockquote>"_s},
    {u"超级按钮7"_s, u"<pre></pre>"_s},
    {u"超级按钮8"_s, u"<h1></h1>"_s},
    {u"超级按钮10"_s, u"<h3></h3>"_s},
    {u"超级按钮11"_s, u"<ul></ul>"_s},
    {u"超级按钮16"_s, u"<dd></dd>"_s},
    {u"超级按钮17"_s, u"&#8482;"_s},
    {u"超级按钮23"_s, u"&reg;"_s},
    {u"超级按钮39"_s, u"&copy;"_s},
    {u"超级按钮40"_s, u"&para;"_s},
    {u"超级按钮41"_s, u"&pound;"_s},
    {u"超级按钮42"_s, u"&cent;"_s},
    {u"超级按钮43"_s, u"&yen;"_s},
    {u"超级按钮44"_s, u"&sect;"_s},
    {u"超级按钮45"_s, u"&#8240;"_s},
};

class SnippetTest : public MainWindowFixture, public ::testing::TestWithParam<Snippet> {};

} // namespace

// Each trigger, at the start, middle and end of a line, with and without a selection: the
// selection gives way to the whole snippet, and the caret ends after it with nothing selected.
TEST_P(SnippetTest, InsertsItsExactTextAtTheCaret)
{
    const Snippet &s = GetParam();
    const QString doc = u"first line\r\nabc def ghi\r\nlast"_s;
    struct Place { const char *name; int from, to; };
    const Place places[] = {{"line start", 12, 12}, {"line start, abc selected", 12, 15},
                            {"mid line", 16, 16},   {"mid line, def selected", 16, 19},
                            {"line end", 23, 23},   {"line end, ghi selected", 20, 23}};
    for (const Place &p : places) {
        SCOPED_TRACE(p.name);
        setDocument(doc, p.from, p.to);
        trigger(s.unit);
        EXPECT_EQ(rt.getSelectionLength(Editor), 0);
        rt.insertAtCaret(Editor, u"|"_s); // marks where the caret stood
        EXPECT_EQ(core::textToBytes(rt.getEditorText(Editor)),
                  core::textToBytes(doc.left(p.from) + s.text + u'|' + doc.mid(p.to)));
    }
    // An empty document takes the snippet at its start.
    setDocument({}, 0, 0);
    trigger(s.unit);
    rt.insertAtCaret(Editor, u"|"_s);
    EXPECT_EQ(rt.getEditorText(Editor), s.text + u'|');
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SnippetTest, ::testing::ValuesIn(Catalogue));

namespace {
class ToolbarTest : public MainWindowFixture, public ::testing::Test {
protected:
    QToolButton *button(int number)
    {
        return qobject_cast<QToolButton *>(ui::testing::widget(rt, {app::MainWindowName, u"超级按钮%1"_s.arg(number)}));
    }
};
} // namespace

TEST_F(ToolbarTest, NothingTogglesAndTheEditorKeepsItsSelectionWhenAButtonIsUsed)
{
    setDocument(u"abc"_s, 0, 3);
    editor()->setFocus();
    button(1)->click();
    button(1)->click();
    EXPECT_EQ(rt.getEditorText(Editor), u"<strong></strong><strong></strong>"_s);
    // The table template leaves the text after the caret on its last line.
    setDocument(u"xy"_s, 1, 1);
    button(21)->click();
    EXPECT_TRUE(rt.getEditorText(Editor).endsWith(u"</table>y"_s));
    EXPECT_EQ(button(21)->focusPolicy(), Qt::NoFocus); // clicking a button leaves the focus alone
}

TEST_F(ToolbarTest, EveryButtonShowsAPictureOfItsSizeOrItsFaceText)
{
    struct Picture { int button, width, height; };
    const Picture pictures[] = {
        {18, 18, 18}, {19, 28, 28}, {20, 26, 26}, {21, 26, 27}, {22, 26, 25}, {24, 23, 22}, {25, 26, 25},
        {26, 30, 28}, {27, 26, 29}, {28, 27, 25}, {29, 32, 32}, {30, 32, 32}, {31, 32, 32}, {32, 32, 32},
        {33, 32, 32}, {34, 32, 32}, {35, 32, 32}, {17, 26, 25}, {23, 26, 25}, {39, 30, 28}, {40, 26, 25},
        {41, 26, 25}, {42, 26, 25}, {43, 30, 28}, {44, 26, 25}, {45, 26, 25}, {36, 23, 22}, {37, 23, 22},
        {38, 16, 16},
    };
    std::set<int> withPicture;
    for (const Picture &p : pictures) {
        SCOPED_TRACE(p.button);
        withPicture.insert(p.button);
        QToolButton *b = button(p.button);
        ASSERT_NE(b, nullptr);
        const QSize size(p.width, p.height);
        ASSERT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->iconSize(), size);
        // Drawn afresh for a high-density screen rather than blown up from the small size.
        const QPixmap dense = b->icon().pixmap(size, 2.0);
        EXPECT_EQ(dense.size(), size * 2);
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), size);
        // Something is drawn: the picture is not blank.
        const QImage image = dense.toImage();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(painted, image.width() * image.height() / 10);
    }
    for (int n = 1; n <= 45; ++n) {
        if (withPicture.contains(n))
            continue;
        SCOPED_TRACE(n);
        EXPECT_TRUE(button(n)->icon().isNull());
        EXPECT_FALSE(button(n)->text().isEmpty());
        EXPECT_EQ(button(n)->toolButtonStyle(), Qt::ToolButtonTextOnly);
    }
}

TEST_F(ToolbarTest, SpecialCharacterButtonsShowNoTooltipOrText)
{
    for (int n : {17, 23, 39, 40, 41, 42, 43, 44, 45}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(button(n)->toolTip().isEmpty());
        EXPECT_EQ(button(n)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    EXPECT_EQ(button(26)->toolTip(), u"水平线"_s);
}
