// SPDX-License-Identifier: GPL-3.0-or-later
// The "检查网页" window driven end to end from F7.
#include "markup/page_check.h"
#include "markup/page_check_window.h"
#include "support/main_window_fixture.h"
#include "ui/definition_lint.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThreadPool>

namespace {

using namespace testsupport;

class PageCheckWindow : public MainWindowFixture {
protected:
    QWidget *control(const QString &unit) { return ui::testing::widget(rt, {markup::PageCheckWindowName, unit}); }
    QListWidget *list() { return qobject_cast<QListWidget *>(control(u"列表框1"_s)); }
    /// The row whose text holds the words, or -1.
    int rowWith(const QString &words)
    {
        for (int k = 0; k < list()->count(); ++k)
            if (list()->item(k)->text().contains(words))
                return k;
        return -1;
    }
    void pressButton(const QString &unit) { qobject_cast<QAbstractButton *>(control(unit))->click(); }
    /// F7 on the editor's text; true once the list shows the check's result.
    bool checked()
    {
        if (rt.isOpen(markup::PageCheckWindowName))
            pressButton(u"按钮1"_s);
        else
            press(ui::testing::widget(rt, editor()), u"F7"_s);
        return QTest::qWaitFor([&] {
            return rt.isOpen(markup::PageCheckWindowName) &&
                   rt.getCaption({markup::PageCheckWindowName, u"标签4"_s}).startsWith(u"检查完成"_s);
        });
    }
    const ui::ControlRef progress{markup::PageCheckWindowName, u"进度条1"_s};
};

TEST_F(PageCheckWindow, ChecksListsMarksMovesTheCaretAndFixes)
{
    EXPECT_EQ(ui::lintDefinition(markup::pageCheckWindow(session())), QStringList());
    const QString page = u"<html><head><title>t</title></head><body>\r\n"
                         u"<p>中文</p>\r\n"
                         u"<img src=\"a.png\" width＝10 alt=\"\">\r\n"
                         u"<b>x</i></b></body></html>"_s;
    rt.setEditorText(editor(), page);
    ASSERT_NO_FATAL_FAILURE(press(ui::testing::widget(rt, editor()), u"F7"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.isOpen(markup::PageCheckWindowName); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list()->count() > 0 && !rt.getEditorMarks(editor()).empty(); }));
    const int found = list()->count();
    EXPECT_EQ(panel(8), markup::checkSummary(found));
    EXPECT_EQ(rt.getEditorMarks(editor()).size(), size_t(found));
    EXPECT_EQ(rt.getEditorMarkedLines(editor()), (std::vector<int>{2, 3}));
    EXPECT_FALSE(rt.isControlVisible(progress)) << "a small page shows no progress";

    // A double-click takes the caret to the row's line and column.
    const int wide = rowWith(u"＝"_s);
    ASSERT_GE(wide, 0);
    EXPECT_TRUE(list()->item(wide)->text().startsWith(u"2\t22\t"_s)) << list()->item(wide)->text().toStdString();
    list()->setCurrentRow(wide);
    ASSERT_NO_FATAL_FAILURE(press(list(), u"Return"_s));
    EXPECT_EQ(rt.getCaretLine(editor()), 2);
    EXPECT_EQ(rt.getCaretColumn(editor()), 22);
    rt.selectEditorRange(editor(), 0, 0);
    emit list()->itemDoubleClicked(list()->item(wide));
    EXPECT_EQ(rt.getCaretLine(editor()), 2);
    EXPECT_EQ(rt.getCaretColumn(editor()), 22);

    // "修正" makes the fix as one undo step, and the check runs again.
    qobject_cast<QAbstractButton *>(control(u"按钮2"_s))->click();
    EXPECT_TRUE(text().contains(u"width=10"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list()->count() == found - 1; }));
    rt.sendEditorCommand(editor(), ui::EditorCommand::Undo);
    EXPECT_EQ(text(), page);

    // The marks on a line go when it changes; the others stay.
    qobject_cast<QAbstractButton *>(control(u"按钮1"_s))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.getEditorMarkedLines(editor()) == std::vector<int>{2, 3}; }));
    rt.selectEditorRange(editor(), 0, 0);
    rt.goToEditorLine(editor(), 3);
    type(u"x"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.getEditorMarkedLines(editor()) != std::vector<int>{2, 3}; }));
    EXPECT_EQ(rt.getEditorMarkedLines(editor()), std::vector<int>{2});

    // A check of a text that changes before its result arrives shows nothing of it.
    qobject_cast<QAbstractButton *>(control(u"按钮1"_s))->click();
    type(u"y"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rt.getCaption({markup::PageCheckWindowName, u"标签4"_s}).startsWith(u"正在"_s); }));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(rt.getEditorMarks(editor()).empty());

    qobject_cast<QAbstractButton *>(control(u"按钮4"_s))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(markup::PageCheckWindowName); }));
}

struct SeveralFixes {
    const char *name;
    QString page;
    std::vector<QString> rows; // "line\tcolumn\t" of the rows selected
    QString fixed;
};

TEST_F(PageCheckWindow, SeveralSelectedRowsAreFixedAsOneUndoStep)
{
    // A saved page, so that the image's size is known: 10 × 20 pixels.
    QTemporaryDir site;
    QImage image(10, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(QDir(site.path()).filePath(u"x.png"_s)));
    session().setPath(QDir(site.path()).filePath(u"page.htm"_s));

    const QString head = u"<html><head><title>t</title></head><body>\r\n"_s;
    const std::vector<SeveralFixes> cases = {
        {"full-width characters on one line", head + u"<img src＝“x.png” width＝10 alt=\"\">"_s,
         {u"1\t8\t"_s, u"1\t9\t"_s, u"1\t15\t"_s, u"1\t22\t"_s},
         head + u"<img src=\"x.png\" width=10 alt=\"\">"_s},
        {"on different lines, one of them left as it is", head + u"<p　align＝center>中</p>\r\n<br／>\r\n<hr　>"_s,
         {u"1\t2\t"_s, u"2\t3\t"_s, u"3\t3\t"_s},
         head + u"<p align＝center>中</p>\r\n<br/>\r\n<hr >"_s},
        {"a declaration and an image size, a row without a fix among them",
         u"<html><head><meta charset=\"utf-8\"><title>t</title></head><body>\r\n<b>x</i></b>\r\n"
         u"<img src=\"x.png\" width=\"12\" height=20 alt=\"\">"_s,
         {u"0\t27\t"_s, u"1\t"_s, u"2\t24\t"_s},
         u"<html><head><meta charset=\"gb2312\"><title>t</title></head><body>\r\n<b>x</i></b>\r\n"
         u"<img src=\"x.png\" width=\"10\" height=20 alt=\"\">"_s},
    };
    for (const SeveralFixes &c : cases) {
        SCOPED_TRACE(c.name);
        rt.setEditorText(editor(), c.page);
        ASSERT_TRUE(checked());
        // Ctrl+click adds rows to the selection, as a user picks them.
        list()->clearSelection();
        for (const QString &place : c.rows) {
            int row = -1;
            for (int k = 0; k < list()->count() && row < 0; ++k)
                row = list()->item(k)->text().startsWith(place) ? k : -1;
            ASSERT_GE(row, 0) << place.toStdString();
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list()->visualItemRect(list()->item(row)).center());
        }
        ASSERT_EQ(list()->selectedItems().size(), qsizetype(c.rows.size()));
        pressButton(u"按钮2"_s);
        EXPECT_EQ(text(), c.fixed);
        rt.sendEditorCommand(editor(), ui::EditorCommand::Undo);
        EXPECT_EQ(text(), c.page);
    }
}

TEST_F(PageCheckWindow, ALargePageShowsProgressAndCancellingLeavesNothing)
{
    QByteArray line = "<p>中文<b>x</i></b>\r\n";
    QByteArray page = "<html><head><title>t</title></head><body>\r\n";
    page += line.repeated(markup::LargePage / line.size() + 1);
    rt.setEditorText(editor(), QString::fromUtf8(page));
    press(ui::testing::widget(rt, editor()), u"F7"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.isOpen(markup::PageCheckWindowName); }));
    EXPECT_TRUE(rt.isControlVisible(progress));
    EXPECT_TRUE(control(u"进度条1"_s)->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rt.getProgress(progress) > 0; }, 60'000)) << "the worker reports how far it is";
    pressButton(u"按钮3"_s);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents(); // the cancelled check's result, were it delivered
    EXPECT_EQ(rt.getCaption({markup::PageCheckWindowName, u"标签4"_s}), u"检查已取消"_s);
    EXPECT_FALSE(rt.isControlVisible(progress));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(rt.getEditorMarks(editor()).empty());
}

} // namespace
