// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"

#include "document/editing.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <Qsci/qsciscintilla.h>

#include <random>

using namespace testsupport;

namespace {

class EditingTest : public MainWindowFixture {
protected:
    QWidget *editorWidget() { return ui::testing::widget(rt, editor()); }
    QWidget *editorViewport() { return static_cast<QAbstractScrollArea *>(editorWidget())->viewport(); }
    bool disabled(const QString &item) { return rt.isMenuItemDisabled({Main, item}); }
    void select(int from, int to)
    {
        static_cast<QsciScintilla *>(editorWidget())->SendScintilla(QsciScintillaBase::SCI_SETSEL, from, to);
    }
    /// The status panels as they must read for the editor's present text.
    void expectStatusMatchesText()
    {
        const qsizetype size = bytes().size();
        ASSERT_EQ(rt.getEditorByteLength(editor()), size);
        EXPECT_EQ(panel(7), document::sizeInKilobytes(size));
        EXPECT_EQ(panel(1), core::toText(rt.getLineCount(editor())));
    }
};

} // namespace

TEST(SizeInKilobytes, RoundsToTwoDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(document::sizeInKilobytes(0), u"0k"_s);
    EXPECT_EQ(document::sizeInKilobytes(512), u"0.5k"_s);
    EXPECT_EQ(document::sizeInKilobytes(1000), u"0.98k"_s);
    EXPECT_EQ(document::sizeInKilobytes(1536), u"1.5k"_s);
    EXPECT_EQ(document::sizeInKilobytes(10240), u"10k"_s);
    EXPECT_EQ(document::sizeInKilobytes(5), u"0k"_s);
    EXPECT_EQ(document::sizeInKilobytes(qint64(100) << 20), u"102400k"_s);
}

TEST_F(EditingTest, StatusFollowsTheText)
{
    // The start template: 13 lines, the caret on the last.
    EXPECT_EQ(panel(1), u"13"_s);
    EXPECT_EQ(panel(3), u"12"_s);
    expectStatusMatchesText();

    rt.setEditorText(editor(), {});
    EXPECT_EQ(panel(7), u"0k"_s);
    EXPECT_EQ(panel(1), u"1"_s);
    EXPECT_EQ(panel(3), u"0"_s);
    for (const auto &[n, shown] : std::vector<std::pair<int, QString>>{
             {512, u"0.5k"_s}, {1000, u"0.98k"_s}, {1536, u"1.5k"_s}, {10240, u"10k"_s}}) {
        rt.setEditorText(editor(), QString(n, u'a'));
        EXPECT_EQ(panel(7), shown);
    }
    // Chinese characters are two bytes each, a line break two as well.
    rt.setEditorText(editor(), QString(255, u'中') + u"\r\n"_s);
    EXPECT_EQ(panel(7), u"0.5k"_s);
    EXPECT_EQ(panel(1), u"2"_s);
}

TEST_F(EditingTest, CaretPanelsFollowTheCaret)
{
    rt.setEditorText(editor(), u"one\r\ntwo\r\nthree"_s);
    editorWidget()->setFocus();
    auto *sci = static_cast<QsciScintilla *>(editorWidget());
    sci->setCursorPosition(2, 3);
    ASSERT_EVENTUALLY_EQ(panel(3), u"2"_s);
    ASSERT_EVENTUALLY_EQ(panel(5), u"3"_s);
    QTest::keyClick(editorWidget(), Qt::Key_Up);
    ASSERT_EVENTUALLY_EQ(panel(3), u"1"_s);
    QTest::keyClick(editorWidget(), Qt::Key_Home);
    ASSERT_EVENTUALLY_EQ(panel(5), u"0"_s);
    QTest::keyClick(editorWidget(), Qt::Key_End);
    ASSERT_EVENTUALLY_EQ(panel(5), u"3"_s);
    // Columns count characters, not bytes.
    type(u"中文"_s);
    ASSERT_EVENTUALLY_EQ(panel(5), u"5"_s);
    EXPECT_EQ(panel(3), u"1"_s);
}

TEST_F(EditingTest, LongRandomEditsKeepTheByteCountExact)
{
    std::mt19937 random(20240607);
    const std::vector<QString> pieces = {u"a"_s,     u"<p>"_s,  u"\r\n"_s, u"中"_s,       u"文字"_s,
                                         u"\t"_s,    u"\n"_s,   u"€"_s,    u"😀"_s,       QString(QChar(0xDC81)),
                                         u"éü"_s,   u" "_s,    u"\r"_s,   u"𠀀x"_s,      QString(QChar(0xDCFF))};
    auto *sci = static_cast<QsciScintilla *>(editorWidget());
    for (int step = 0; step < 3000; ++step) {
        const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        const long a = std::uniform_int_distribution<long>(0, length)(random);
        const long b = std::uniform_int_distribution<long>(0, length)(random);
        // Positions inside a character are moved to its start.
        select(int(sci->SendScintilla(QsciScintillaBase::SCI_POSITIONBEFORE, a + 1)),
               int(sci->SendScintilla(QsciScintillaBase::SCI_POSITIONBEFORE, b + 1)));
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0:
        case 1: rt.insertAtCaret(editor(), pieces[random() % pieces.size()]); break;
        case 2: rt.insertAtCaret(editor(), {}); break;
        case 3: rt.sendEditorCommand(editor(), ui::EditorCommand::Undo); break;
        case 4: QTest::keyClick(editorWidget(), random() % 2 ? Qt::Key_Backspace : Qt::Key_Delete); break;
        case 5: type(u"x中"_s); break;
        }
        if (step % 50 == 0 || step > 2990) {
            SCOPED_TRACE(step);
            expectStatusMatchesText();
        }
    }
    expectStatusMatchesText();
    const QString path = dir.filePath(u"random.html"_s);
    script.files = {{path}};
    click(u"文件/保存"_s);
    EXPECT_EQ(QFileInfo(path).size(), rt.getEditorByteLength(editor()));
}

TEST_F(EditingTest, DeleteLeavesATextClipboardAsItWas)
{
    rt.setEditorText(editor(), u"abcxyzdef"_s);
    QGuiApplication::clipboard()->setText(u"abc"_s);
    select(3, 6);
    click(u"编辑/删除"_s);
    EXPECT_EQ(text(), u"abcdef"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"abc"_s);
    // One undo step brings it back.
    rt.sendEditorCommand(editor(), ui::EditorCommand::Undo);
    EXPECT_EQ(text(), u"abcxyzdef"_s);
}

TEST_F(EditingTest, DeleteLeavesAPictureAndOtherFormatsOnTheClipboard)
{
    rt.setEditorText(editor(), u"abcxyzdef"_s);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    auto *data = new QMimeData;
    data->setImageData(picture);
    data->setData(u"application/x-quillmere-test"_s, "payload");
    QGuiApplication::clipboard()->setMimeData(data);
    select(3, 6);
    click(u"鼠标菜单/删除"_s);
    EXPECT_EQ(text(), u"abcdef"_s);
    const QMimeData *now = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(now, nullptr);
    EXPECT_FALSE(now->hasText());
    EXPECT_TRUE(now->hasImage());
    EXPECT_EQ(now->data(u"application/x-quillmere-test"_s), QByteArray("payload"));
}

TEST_F(EditingTest, EditCommandsFromBothMenus)
{
    rt.setEditorText(editor(), u"hello world"_s);
    select(0, 5);
    click(u"编辑/复制"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"hello"_s);
    select(11, 11);
    click(u"编辑/粘贴"_s);
    EXPECT_EQ(text(), u"hello worldhello"_s);
    select(5, 11);
    click(u"鼠标菜单/剪切"_s);
    EXPECT_EQ(text(), u"hellohello"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u" world"_s);
    click(u"编辑/撤消"_s);
    EXPECT_EQ(text(), u"hello worldhello"_s);
    click(u"编辑/选择全部的"_s);
    EXPECT_EQ(rt.getSelectionLength(editor()), 16);
    select(0, 0);
    click(u"鼠标菜单/选择全部的"_s);
    EXPECT_EQ(rt.getSelectionLength(editor()), 16);
    click(u"鼠标菜单/复制"_s);
    select(0, 0);
    click(u"鼠标菜单/粘贴"_s);
    EXPECT_EQ(text(), u"hello worldhellohello worldhello"_s);
    click(u"编辑/剪切"_s); // nothing selected: nothing happens
    EXPECT_EQ(text(), u"hello worldhellohello worldhello"_s);
}

TEST_F(EditingTest, RightClickSetsTheEditMenuAndPopsUpTheEditorMenu)
{
    QMenu *popup = ui::testing::menu(rt, {Main, u"鼠标菜单"_s});
    ASSERT_NE(popup, nullptr);
    for (const QString &item : {u"撤消"_s, u"剪切"_s, u"复制"_s, u"粘贴"_s, u"删除"_s})
        EXPECT_FALSE(disabled(u"编辑/"_s + item));

    rt.setEditorText(editor(), u"some text"_s);
    QGuiApplication::clipboard()->setText(u"clip"_s);
    select(4, 4);
    const QPoint where(30, 10);
    QTest::mouseClick(editorViewport(), Qt::RightButton, {}, where);
    ASSERT_EVENTUALLY(popup->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), popup); // the editor's own menu is not shown
    EXPECT_EQ(popup->pos(), QCursor::pos() + QPoint(3, 3));
    EXPECT_TRUE(disabled(u"编辑/剪切"_s));
    EXPECT_TRUE(disabled(u"编辑/复制"_s));
    EXPECT_TRUE(disabled(u"编辑/删除"_s));
    EXPECT_FALSE(disabled(u"编辑/粘贴"_s));
    EXPECT_FALSE(disabled(u"编辑/撤消"_s)); // the text has changed since start
    for (QAction *a : popup->actions())
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    popup->close();

    // With a selection and no text on the clipboard the states turn over.
    select(0, 4);
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::mouseClick(editorViewport(), Qt::RightButton, {}, where);
    ASSERT_EVENTUALLY(popup->isVisible());
    EXPECT_FALSE(disabled(u"编辑/剪切"_s));
    EXPECT_FALSE(disabled(u"编辑/复制"_s));
    EXPECT_FALSE(disabled(u"编辑/删除"_s));
    EXPECT_TRUE(disabled(u"编辑/粘贴"_s));
    EXPECT_EQ(rt.getSelectionLength(editor()), 4); // the click did not move the selection
    popup->close();
}

TEST_F(EditingTest, UndoStaysEnabledAfterUndoingBackToTheStart)
{
    rt.setEditorText(editor(), {});
    type(u"ab"_s);
    while (rt.sendEditorCommand(editor(), ui::EditorCommand::Undo)) {
    }
    EXPECT_EQ(text(), QString());
    EXPECT_NE(rt.sendEditorCommand(editor(), ui::EditorCommand::GetModify), 0);
    QTest::mouseClick(editorViewport(), Qt::RightButton, {}, QPoint(10, 10));
    QMenu *popup = ui::testing::menu(rt, {Main, u"鼠标菜单"_s});
    ASSERT_EVENTUALLY(popup->isVisible());
    EXPECT_FALSE(disabled(u"编辑/撤消"_s));
    popup->close();
}

TEST_F(EditingTest, ReflowFitsThePanesToTheWindow)
{
    auto bound = [&](const QString &unit, ui::Bound b) { return rt.getBounds({Main, unit}, b); };
    using ui::Bound;
    const ui::ControlRef window{Main, {}};
    struct Expect {
        int w, h, toolbar, editorW, editorH, list;
    };
    for (const Expect &e : {Expect{800, 700, 792, 632, 571, 530}, Expect{702, 604, 694, 534, 475, 434}}) {
        rt.setBounds(window, Bound::Width, e.w);
        rt.setBounds(window, Bound::Height, e.h);
        ASSERT_EVENTUALLY_EQ(bound(u"新选择夹1"_s, Bound::Width), e.toolbar);
        ASSERT_EVENTUALLY_EQ(bound(u"超级编辑框1"_s, Bound::Height), e.editorH);
        EXPECT_EQ(bound(u"超级编辑框1"_s, Bound::Width), e.editorW);
        EXPECT_EQ(bound(u"新选择夹2"_s, Bound::Height), e.editorH);
        EXPECT_EQ(bound(u"新选择夹2"_s, Bound::Width), 160);
        EXPECT_EQ(bound(u"新选择夹1"_s, Bound::Height), 64);
        for (const QString &list : {u"列表框1"_s, u"列表框2"_s, u"列表框3"_s, u"列表框4"_s})
            EXPECT_EQ(bound(list, Bound::Height), e.list) << list.toStdString();
        EXPECT_EQ(bound(u"超级编辑框1"_s, Bound::Left), 160); // nothing moves
    }
}
