// SPDX-License-Identifier: GPL-3.0-or-later
// Before painting, the bundled editor component styles a long last line only as far as it is
// shown: a line of megabytes is not lexed whole by the first paint, what comes into view is
// styled then, and the styles end up those of lexing the whole text at once. Short lines are
// styled to the start of the line after the view, as always. A key draws again only the lines whose
// styles it changes.
#include "support/html_editor.h"


#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

/// The program's HTML editor, shown, styling what it shows as the program has it do, with what
/// each paint covers gathered.
class Editor : public qscitest::HtmlEditor {
public:
    Editor()
    {
        SendScintilla(SCI_SETIDLESTYLING, SC_IDLESTYLING_TOVISIBLE);
        SendScintilla(SCI_SETWRAPMODE, SC_WRAP_NONE);
        SendScintilla(SCI_SETCARETPERIOD, 0ul); // no blinking caret drawn between the steps
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
    /// Paints what is pending, what painting asks for again included; what was painted since the
    /// last call, in lines from the window's top: its first and its end.
    std::pair<double, double> drawn()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const QRect r = std::exchange(painted_, {}).boundingRect();
        const double line = double(send(SCI_TEXTHEIGHT, 0));
        return {r.top() / line, (r.bottom() + 1) / line};
    }
    /// Styles as the program does at a key: from where styling stopped to the end of the line 1 KB
    /// after `at`.
    /// Styles as the program does at a key: to the end of the line `reach` bytes on.
    void styleAsAtAKey(long at, long reach = 1024) { styleTo(send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, at + reach) + 1)); }

protected:
    bool viewportEvent(QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent *>(e)->region();
        return HtmlEditor::viewportEvent(e);
    }

private:
    QRegion painted_;
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

// A key draws again only the lines whose styles it changes, whether the program styles them (as
// typing help and tag matching do) or painting does; the rest of the window only when the change
// runs on past them.
TEST(StyledAsShown, AKeyDrawsOnlyTheLinesItsStylesChange)
{
    using B = QsciScintillaBase;
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "<div class=\"c\"><p>text " + QByteArray::number(i) + " <a href=\"x.html\">link</a></p></div>\n";
    struct Case {
        const char *before, *typed; // typed, styled and drawn first; then typed at the same place
        bool atLineEnd;             // at the fifth line's end, or after its first two start tags
        long styled;                // styled as the program does at a key before the paint, this far on; or
                                    // by the paint (-1)
        int lines;                  // how many lines may be drawn; 0: down to the window's bottom
    };
    for (const Case &c : {Case{"", "x", false, 1024, 1}, Case{"", "<b>", false, 1024, 1}, Case{"", "\"", false, 1024, 1},
                          Case{"", "<b", false, -1, 1}, Case{"<b", ">", true, 1024, 2}, Case{"<b", ">", true, 0, 2},
                          Case{"<b", ">", true, -1, 2}, Case{"", "<!--", false, 1024, 0}, Case{"", "<!--", false, 0, 0},
                          Case{"", "<%", false, -1, 0}}) {
        SCOPED_TRACE(testing::Message() << c.before << c.typed << (c.atLineEnd ? " at the line's end" : "")
                                        << ", styled " << (c.styled < 0 ? "by the paint" : "by the program"));
        Editor ed;
        ed.setBytes(text);
        const long at = c.atLineEnd ? ed.send(B::SCI_GETLINEENDPOSITION, 4) : ed.send(B::SCI_POSITIONFROMLINE, 4) + 18;
        ed.send(B::SCI_INSERTTEXT, at, reinterpret_cast<long>(c.before));
        ed.styleAsAtAKey(at);
        ed.send(B::SCI_GOTOPOS, at + long(qstrlen(c.before)));
        ed.paintNow();
        ed.drawn();
        QTest::keyClicks(ed.viewport(), QString::fromLatin1(c.typed));
        if (c.styled >= 0)
            ed.styleAsAtAKey(at, c.styled);
        const auto [first, end] = ed.drawn();
        const long shown = ed.send(B::SCI_LINESONSCREEN);
        if (c.lines == 0)
            EXPECT_GE(end, shown);
        else
            EXPECT_LE(end - first, c.lines);
        // Nothing shown was left with old styles: styling it once more draws nothing new, and the
        // styles are those of one pass.
        const long shownEnd = ed.send(B::SCI_POSITIONFROMLINE, shown + 1);
        ed.styleTo(shownEnd);
        const auto [againFirst, againEnd] = ed.drawn();
        EXPECT_LE(againEnd - againFirst, 2);
        EXPECT_EQ(qscitest::firstDifference(ed.styles().left(shownEnd), qscitest::freshStyles(ed.bytes()).left(shownEnd)), shownEnd);
    }
}

} // namespace
