// SPDX-License-Identifier: GPL-3.0-or-later
// Before painting, the bundled editor component styles a long last line only as far as it is
// shown: a line of megabytes is not lexed whole by the first paint, what comes into view is
// styled then, and the styles end up those of lexing the whole text at once. Short lines are
// styled to the start of the line after the view, as always.
#include "support/html_editor.h"


#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

/// The program's HTML editor, shown, styling what it shows as the program has it do.
class Editor : public qscitest::HtmlEditor {
public:
    Editor()
    {
        SendScintilla(SCI_SETIDLESTYLING, SC_IDLESTYLING_TOVISIBLE);
        SendScintilla(SCI_SETWRAPMODE, SC_WRAP_NONE);
        resize(800, 400);
    }
    void paintNow()
    {
        if (!isVisible()) {
            show();
            QTest::qWait(1);
        }
        viewport()->repaint();
        QApplication::processEvents();
    }
};

using qscitest::freshStyles;

/// One line of markup of about the given size: tags, attributes, comments, ASP.
QByteArray markupLine(qsizetype size)
{
    QByteArray line;
    for (int i = 0; line.size() < size; ++i)
        line += "<div class=\"c" + QByteArray::number(i % 97) + "\"><a href='x.asp?i=" + QByteArray::number(i)
                + "'>text</a><!-- note --><% =i %></div>";
    return line;
}

TEST(StyledAsShown, ALongLineIsStyledAsFarAsShownThenWhereverItIsShown)
{
    const QByteArray text = markupLine(2 << 20);
    Editor ed;
    ed.setBytes(text);
    ed.paintNow();
    const long length = ed.send(QsciScintillaBase::SCI_GETLENGTH);
    const long styled = ed.send(QsciScintillaBase::SCI_GETENDSTYLED);
    // What a screen shows of the line, and the reach after it: a small part of 2 MB.
    EXPECT_GT(styled, 0);
    EXPECT_LT(styled, 256 * 1024);

    // Shown in the middle, then at the end: styled there, and at the end equal to a fresh lex.
    ed.send(QsciScintillaBase::SCI_GOTOPOS, length / 2);
    ed.paintNow();
    const long styledMiddle = ed.send(QsciScintillaBase::SCI_GETENDSTYLED);
    EXPECT_GT(styledMiddle, length / 2);
    EXPECT_LT(styledMiddle, length);
    // The caret stays in view: the text before it was styled before the view was moved to it.
    const long caretX = ed.send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, length / 2);
    EXPECT_GE(caretX, 0);
    EXPECT_LT(caretX, ed.viewport()->width());
    ed.send(QsciScintillaBase::SCI_DOCUMENTEND);
    ed.paintNow();
    EXPECT_EQ(ed.send(QsciScintillaBase::SCI_GETENDSTYLED), length);
    EXPECT_TRUE(ed.styles() == freshStyles(text));

    // Typing near the start of the shown text after scrolling back: still as a fresh lex.
    ed.send(QsciScintillaBase::SCI_DOCUMENTSTART);
    ed.SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 7ul, "<b>x<!-");
    ed.paintNow();
    ed.send(QsciScintillaBase::SCI_DOCUMENTEND);
    ed.paintNow();
    ASSERT_EQ(ed.send(QsciScintillaBase::SCI_GETENDSTYLED), ed.send(QsciScintillaBase::SCI_GETLENGTH));
    QByteArray edited(ed.send(QsciScintillaBase::SCI_GETLENGTH), '\0');
    ed.SendScintilla(QsciScintillaBase::SCI_GETTEXT, edited.size() + 1, edited.data());
    EXPECT_TRUE(ed.styles() == freshStyles(edited));
}

TEST(StyledAsShown, ShortLinesAreStyledToTheLineAfterTheView)
{
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "<p class=\"x\">line " + QByteArray::number(i) + "</p>\n";
    Editor ed;
    ed.setBytes(text);
    ed.paintNow();
    const long shownLines = ed.send(QsciScintillaBase::SCI_LINESONSCREEN);
    const long lineAfter = ed.send(QsciScintillaBase::SCI_POSITIONFROMLINE, shownLines + 1);
    EXPECT_GE(ed.send(QsciScintillaBase::SCI_GETENDSTYLED), lineAfter);
}

TEST(StyledAsShown, ALongLineShownLastAfterShortOnesIsCutWhereItIsShown)
{
    QByteArray text = "<p>one</p>\n<p>two</p>\n";
    const long longStart = text.size();
    text += markupLine(1 << 20); // the last line, and the last shown
    Editor ed;
    ed.setBytes(text);
    ed.paintNow();
    const long styled = ed.send(QsciScintillaBase::SCI_GETENDSTYLED);
    EXPECT_GT(styled, longStart);
    EXPECT_LT(styled, longStart + 256 * 1024);
    // Styled to the end as wanted, the styles are those of one pass.
    ed.send(QsciScintillaBase::SCI_COLOURISE,
            ed.send(QsciScintillaBase::SCI_POSITIONFROMLINE, ed.send(QsciScintillaBase::SCI_LINEFROMPOSITION, styled)), -1);
    EXPECT_TRUE(ed.styles() == freshStyles(text));
}

} // namespace
