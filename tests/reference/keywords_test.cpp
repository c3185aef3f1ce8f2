// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword lists of the reference pane, their double-click insertion and the tools menu.
#include "app/main_window.h"
#include "core/encodings.h"
#include "core/texts.h"
#include "document/templates.h"
#include "reference/keywords.h"
#include "support/eventually.h"
#include "ui/runtime.h"
#include "support/show_catcher.h"
#include "ui/testing.h"
#include "support/text_printing.h"

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const ui::ControlRef Editor{u"MainWindow"_s, u"超级编辑框1"_s};
const ui::ControlRef Pane{u"MainWindow"_s, u"新选择夹2"_s};

ui::ControlRef list(const QString &unit) { return {u"MainWindow"_s, unit}; }

class KeywordListTest : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(main.definition(), false); }
    void TearDown() override
    {
        rt.closeWindow(app::MainWindowName);
        ASSERT_EVENTUALLY(!rt.isOpen(app::MainWindowName));
    }

    QsciScintilla *editor() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }
    QListWidget *listWidget(const QString &unit) { return qobject_cast<QListWidget *>(ui::testing::widget(rt, list(unit))); }

    /// Replaces the document and selects [anchor, caret) — ASCII texts only.
    void setDocument(const QString &text, int from, int to)
    {
        rt.setEditorText(Editor, text);
        editor()->SendScintilla(QsciScintilla::SCI_SETSEL, from, to);
    }

    /// Double-clicks a row with the mouse, on the page that shows its list.
    void doubleClickRow(const QString &unit, int page, int row)
    {
        rt.setCurrentPage(Pane, page);
        QListWidget *lw = listWidget(unit);
        lw->doItemsLayout(); // a list that was never shown lays out its rows only on demand
        lw->scrollToItem(lw->item(row));
        const QRect rect = lw->visualItemRect(lw->item(row));
        const QPoint at(rect.left() + 8, rect.center().y()); // long rows reach past the visible width
        ASSERT_EQ(lw->itemAt(at), lw->item(row));
        // Through the window, so that the platform's press, release, press and double click arrive.
        QWidget *window = lw->window();
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, lw->viewport()->mapTo(window, at));
    }

    /// Inserts a marker at the caret and returns the document, to show where the caret stood.
    QString textWithCaret()
    {
        EXPECT_EQ(rt.getSelectionLength(Editor), 0);
        rt.insertAtCaret(Editor, u"|"_s);
        return rt.getEditorText(Editor);
    }

    // Closing the changed document asks whether to save it: the answer is No.
    testsupport::ShowCatcher<QMessageBox> saveQuestion{[](QMessageBox *box) { box->button(QMessageBox::No)->click(); }};
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

struct ListFacts {
    QString unit;
    int page;
    int texts, emptyRows;
    QString first, last;
};

} // namespace

TEST_F(KeywordListTest, ListsHoldTheirItemsInStoredOrderWithTheEmptyRowsAtTheEnd)
{
    const ListFacts lists[] = {
        {u"列表框2"_s, 0, 138, 2, u"\")"_s, u"write"_s},
        {u"列表框3"_s, 1, 108, 0, u"<!doctype>"_s, u"<xmp></xmp>"_s},
        {u"列表框1"_s, 2, 186, 2, u"<!ihtml>"_s, u"<iwhile></iwhile>"_s},
        {u"列表框4"_s, 3, 21, 3, u"HTTP_REFERER"_s, u"SERVER_SOFTWARE"_s},
    };
    for (const ListFacts &l : lists) {
        SCOPED_TRACE(l.unit.toStdString());
        const ui::ControlRef ref = list(l.unit);
        ASSERT_EQ(rt.getListCount(ref), l.texts + l.emptyRows);
        EXPECT_EQ(rt.getListItem(ref, 0), l.first);
        EXPECT_EQ(rt.getListItem(ref, l.texts - 1), l.last);
        for (int i = 0; i < l.texts; ++i)
            EXPECT_FALSE(rt.getListItem(ref, i).isEmpty()) << i;
        for (int i = l.texts; i < l.texts + l.emptyRows; ++i)
            EXPECT_TRUE(rt.getListItem(ref, i).isEmpty()) << i;
        EXPECT_EQ(rt.getListIndex(ref), -1); // nothing current at start
        EXPECT_FALSE(listWidget(l.unit)->isSortingEnabled());
    }
    EXPECT_EQ(rt.getCurrentPage(Pane), 2);

    // Items that are easy to get wrong, at their places.
    EXPECT_EQ(rt.getListItem(list(u"列表框2"_s), 1), u"<%%>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框2"_s), 3), u"(\""_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框2"_s), 41), u"content_typecontents"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框3"_s), 1), u"<a href=\"http://\" target=\"_Blank\" ></a>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框3"_s), 60),
              u"<a href=\"mailto:webmaster@example.com\">webmaster@example.com</a>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框3"_s), 62), u"<marquee  direction=left  behaviour= slide >text</marquee>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框1"_s), 54), u"<iftp></iftp>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框1"_s), 132), u"<ireplace><irndnum>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框1"_s), 134), u"<iset></isql>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框1"_s), 144), u"<isqltrans></islqtrans>"_s);
    EXPECT_EQ(rt.getListItem(list(u"列表框4"_s), 2), u"AUTH_PASS"_s);
}

TEST_F(KeywordListTest, DoubleClickInsertsTheRowExactlyAsStored)
{
    struct Case { QString unit; int page, row; QString text; };
    const Case cases[] = {
        {u"列表框2"_s, 0, 1, u"<%%>"_s},
        {u"列表框2"_s, 0, 41, u"content_typecontents"_s},
        {u"列表框3"_s, 1, 1, u"<a href=\"http://\" target=\"_Blank\" ></a>"_s},
        {u"列表框1"_s, 2, 132, u"<ireplace><irndnum>"_s},
        {u"列表框1"_s, 2, 134, u"<iset></isql>"_s},
        {u"列表框4"_s, 3, 9, u"QUERY_STRING"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        setDocument(u"x abc y"_s, 2, 5); // "abc" selected
        doubleClickRow(c.unit, c.page, c.row);
        EXPECT_EQ(rt.getListIndex(list(c.unit)), c.row);
        EXPECT_EQ(textWithCaret(), u"x "_s + c.text + u"| y"_s);
        // Without a selection it goes in at the caret.
        setDocument(u"ab"_s, 1, 1);
        doubleClickRow(c.unit, c.page, c.row);
        EXPECT_EQ(textWithCaret(), u"a"_s + c.text + u"|b"_s);
    }
}

TEST_F(KeywordListTest, SingleClickOnlyMakesARowCurrent)
{
    setDocument(u"x abc y"_s, 2, 5);
    rt.setCurrentPage(Pane, 0);
    QListWidget *lw = listWidget(u"列表框2"_s);
    lw->doItemsLayout();
    QTest::mouseClick(lw->viewport(), Qt::LeftButton, {}, lw->visualItemRect(lw->item(4)).center());
    EXPECT_EQ(rt.getListIndex(list(u"列表框2"_s)), 4);
    EXPECT_EQ(rt.getEditorText(Editor), u"x abc y"_s);
    EXPECT_EQ(rt.getSelectionLength(Editor), 3);
}

TEST_F(KeywordListTest, DoubleClickOnAnEmptyRowOnlyRemovesTheSelection)
{
    const std::pair<QString, int> lists[] = {{u"列表框2"_s, 0}, {u"列表框1"_s, 2}, {u"列表框4"_s, 3}};
    for (const auto &[unit, page] : lists) {
        SCOPED_TRACE(unit.toStdString());
        const int lastRow = rt.getListCount(list(unit)) - 1;
        setDocument(u"x abc y"_s, 2, 5);
        doubleClickRow(unit, page, lastRow);
        EXPECT_EQ(rt.getListIndex(list(unit)), lastRow);
        EXPECT_EQ(textWithCaret(), u"x | y"_s);

        setDocument(u"x abc y"_s, 3, 3);
        doubleClickRow(unit, page, lastRow);
        EXPECT_EQ(textWithCaret(), u"x a|bc y"_s);
    }
}

TEST_F(KeywordListTest, ToolsMenuOnlyBringsAPageToTheFront)
{
    rt.setListIndex(list(u"列表框2"_s), 5);
    setDocument(u"one two"_s, 4, 7);
    editor()->setFocus();
    int anchorBefore = int(editor()->SendScintilla(QsciScintilla::SCI_GETANCHOR));
    int caretBefore = int(editor()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS));
    const std::pair<QString, int> items[] = {
        {u"工具/asp参考"_s, 3}, {u"工具/vb参考"_s, 0}, {u"工具/vb参考"_s, 0}, {u"工具/html参考"_s, 1}, {u"工具/ihtml参考"_s, 2}};
    for (const auto &[unit, page] : items) {
        SCOPED_TRACE(unit.toStdString());
        ui::testing::menuAction(rt, {app::MainWindowName, unit})->trigger();
        EXPECT_EQ(rt.getCurrentPage(Pane), page);
        EXPECT_EQ(rt.getEditorText(Editor), u"one two"_s);
        EXPECT_EQ(int(editor()->SendScintilla(QsciScintilla::SCI_GETANCHOR)), anchorBefore);
        EXPECT_EQ(int(editor()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS)), caretBefore);
        EXPECT_EQ(rt.getListIndex(list(u"列表框2"_s)), 5);
        EXPECT_EQ(rt.getListIndex(list(u"列表框3"_s)), -1);
    }
}

// Two-character stretches of the program's own Chinese, saved as GB18030, are never taken for UTF-8.
TEST(DetectEncoding, TwoCharacterWordsOfTheKeywordListsAndTemplatesStayGb)
{
    QStringList texts;
    for (const QStringList *list : {&reference::vbKeywords(), &reference::htmlKeywords(), &reference::ihtmlKeywords(),
                                    &reference::aspKeywords()})
        texts += *list;
    for (const document::Pieces *t : {&document::newPageTemplate(), &document::aspTemplate(), &document::cssTemplate()})
        for (const QString &piece : *t)
            texts += piece;
    int words = 0;
    for (const QString &text : std::as_const(texts))
        for (qsizetype i = 0; i + 2 <= text.size(); ++i) {
            const QByteArray bytes = core::textToBytes(text.mid(i, 2));
            ++words;
            EXPECT_EQ(core::detectEncoding(bytes).encoding, core::Encoding::Gb18030) << text.mid(i, 2).toStdString();
        }
    EXPECT_GT(words, 1000);
}
