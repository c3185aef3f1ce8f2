// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled editor component's HTML lexer on long lines resumes inside the line and stops
// where it meets its earlier results: after random edits, undo and redo, the style bytes of the
// whole text equal those of a fresh editor lexing the same text from its start, and the lexer
// went over only part of the line to get there.
#include "support/html_editor.h"

#include <Qsci/qscilexerhtml.h>

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

using qscitest::Figures;
using qscitest::firstDifference;
using qscitest::freshStyles;
using Editor = qscitest::HtmlEditor;

/// Pieces of a minified ASP page: tags, attributes, values, comments, entities, ASP blocks,
/// scripts in both languages and style blocks.
const char *const Pieces[] = {
    "<div class=\"item\" id=main>", "<p>", "text &amp; more ", "<a href='page.asp?id=<%=id%>'>", "link</a>",
    "</p>", "网页编辑", "<!-- a comment -->", "<% Dim x : x = \"%>\" : Response.Write x %>", "<%= name %>",
    "<script>var a = 1; function f(s) { return s + '</p>'; } /* c */</script>",
    "<script language=\"vbscript\">Dim y : y = 2</script>", "<style>p { color: red; }</style>",
    "<img src=\"x.png\" alt=\"图\">", "<br/>", "<table><tr><td>1</td></tr></table>", "</div>",
};

/// Fragments that change the lexer's state a long way on when typed into the line.
const char *const Breakers[] = {"<", "\"", "'", "<%", "%>", "<!--", "-->", "<script>", "</script>", ">", "<style>", "=", " ", "x"};

QByteArray longLine(std::mt19937 &rng, long bytes)
{
    QByteArray line;
    std::uniform_int_distribution<int> pick(0, int(std::size(Pieces)) - 1);
    while (line.size() < bytes)
        line += Pieces[pick(rng)];
    return line;
}

long randomPosition(std::mt19937 &rng, long length)
{
    return std::uniform_int_distribution<long>(0, length)(rng);
}

/// Where a piece ends and the next begins at or after p (plain markup between two tags), or the
/// text's end.
long pieceBoundary(const QByteArray &text, long p)
{
    const qsizetype at = text.indexOf("><", p);
    return at < 0 ? long(text.size()) : long(at) + 1;
}

/// Edits done to both editors, the first keeping checkpoints and the second lexing a changed line
/// from its start; after each, the part a view would show, then the whole text is styled in both,
/// and the style bytes of both must equal those of a fresh lex of the text.
///
/// On one line: typing, pasting and deleting anywhere, unbalanced fragments included, undo and
/// redo. On several lines the edits keep every line's end in plain markup (whole pieces pasted or
/// deleted between two tags, letters typed into text, line breaks between tags): the lexer reads
/// the state at a line's start from the line before, which holds less than its whole state, so
/// across lines its results otherwise depend on where it starts, checkpoints or not.
void editAndCompare(Editor &ed, Editor &reference, std::mt19937 &rng, int steps, bool lines, long *typingBytes,
                    long *typingSteps)
{
    using B = QsciScintillaBase;
    auto pick = [&rng](auto &list) { return list[std::uniform_int_distribution<int>(0, int(std::size(list)) - 1)(rng)]; };
    for (int step = 0; step < steps; ++step) {
        const QByteArray before = ed.bytes();
        const long length = long(before.size());
        const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
        long p = randomPosition(rng, length);
        auto insert = [&](const char *text) {
            for (Editor *e : {&ed, &reference})
                e->SendScintilla(B::SCI_INSERTTEXT, (unsigned long)p, text);
        };
        bool typing = false;
        if (kind <= 3) { // one character typed at the end of a tag, in a value, in a text
            if (lines) {
                const qsizetype t = before.indexOf("text ", p);
                p = t < 0 ? pieceBoundary(before, 0) : long(t) + 2;
            }
            insert(QByteArray(1, lines ? 'y' : "a\"= <>%x/-"[std::uniform_int_distribution<int>(0, 9)(rng)]).constData());
            typing = true;
        } else if (kind == 4 && !lines) {
            insert(pick(Breakers));
        } else if (kind <= 5) {
            if (lines)
                p = pieceBoundary(before, p);
            insert(pick(Pieces));
        } else if (kind == 6 && length > 0) {
            long n = std::min(length - p, std::uniform_int_distribution<long>(1, 40)(rng));
            if (lines) {
                p = pieceBoundary(before, p);
                n = pieceBoundary(before, p + 1) - p;
            }
            for (Editor *e : {&ed, &reference})
                e->send(B::SCI_DELETERANGE, p, std::min(n, length - p));
        } else if (kind == 7) {
            for (Editor *e : {&ed, &reference})
                e->send(B::SCI_UNDO);
        } else if (kind == 8) {
            for (Editor *e : {&ed, &reference})
                e->send(B::SCI_REDO);
        } else if (kind == 9 && lines) { // a line break, so that checkpoints meet line starts
            p = pieceBoundary(before, p);
            insert("\n");
        }
        ed.figures();
        const long shown = randomPosition(rng, ed.send(B::SCI_GETLENGTH));
        for (Editor *e : {&ed, &reference}) {
            e->styleTo(shown);
            e->styleTo(e->send(B::SCI_GETLENGTH));
        }
        const Figures f = ed.figures();
        if (typing) {
            *typingBytes += f[0];
            ++*typingSteps;
        }
        const QByteArray got = ed.styles(), fresh = freshStyles(ed.bytes());
        ASSERT_EQ(got.size(), fresh.size());
        ASSERT_TRUE(got == fresh) << "step " << step << ", kind " << kind << ": first style unlike a fresh lex at "
                                  << firstDifference(got, fresh) << " of " << got.size();
        ASSERT_TRUE(reference.styles() == fresh) << "step " << step << ": lexing from the line's start";
    }
}

TEST(IncrementalLexing, LongLineStylesEqualAFreshLexThroughEditsUndoAndRedo)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        Editor ed, reference;
        reference.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "lexer.html.checkpoints", "0");
        const QByteArray text = longLine(rng, 200 << 10);
        for (Editor *e : {&ed, &reference}) {
            e->setBytes(text);
            e->styleTo(e->send(QsciScintillaBase::SCI_GETLENGTH));
        }
        long typingBytes = 0, typingSteps = 0;
        editAndCompare(ed, reference, rng, 50, false, &typingBytes, &typingSteps);
        ASSERT_GT(typingSteps, 0);
        // A typed character lexes a few kilobytes around it, not the 200 KB line: on average
        // (a quote or "<%" typed can change the state up to the line's end).
        EXPECT_LT(typingBytes / typingSteps, 100L << 10) << "bytes lexed per typed character";
    }
}

TEST(IncrementalLexing, SeveralLongLinesEqualAFreshLexThroughEditsAndLineBreaks)
{
    for (unsigned seed : {4u, 5u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        Editor ed, reference;
        reference.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "lexer.html.checkpoints", "0");
        const QByteArray text = longLine(rng, 40 << 10) + "\n" + longLine(rng, 30 << 10) + "\r\n<p>short</p>\n" + longLine(rng, 50 << 10);
        for (Editor *e : {&ed, &reference}) {
            e->setBytes(text);
            e->styleTo(e->send(QsciScintillaBase::SCI_GETLENGTH));
        }
        long typingBytes = 0, typingSteps = 0;
        editAndCompare(ed, reference, rng, 60, true, &typingBytes, &typingSteps);
        ASSERT_GT(typingSteps, 0);
        // Styled twice per step (the view's part, then the rest): about 8 KB before the letter, to
        // the checkpoint after it, each time.
        EXPECT_LT(typingBytes / typingSteps, 24L << 10) << "bytes lexed per letter typed into text";
    }
}

TEST(IncrementalLexing, TypingInTheMiddleResumesAndStopsEarly)
{
    std::mt19937 rng(7);
    Editor ed;
    QByteArray text = "<html><body>\n" + longLine(rng, 1 << 20) + "\n</body></html>\n";
    ed.setBytes(text);
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    ed.figures();
    // Into a text run in the middle of the line: a plain letter changes nothing further on.
    const long middle = text.indexOf("text &amp;", 600 << 10) + 1;
    for (int i = 0; i < 10; ++i) {
        ed.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, (unsigned long)(middle + i), "y");
        ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
        const Figures f = ed.figures();
        EXPECT_EQ(f[1], 1) << "resumed at a checkpoint";
        EXPECT_EQ(f[2], 1) << "stopped at an earlier run's checkpoint";
        EXPECT_LT(f[0], 32L << 10) << "bytes lexed for one character";
    }
    EXPECT_TRUE(ed.styles() == freshStyles(ed.bytes()));
}

TEST(IncrementalLexing, AStateChangeIsLexedToWhereItEnds)
{
    std::mt19937 rng(11);
    Editor ed;
    const QByteArray line = longLine(rng, 300 << 10);
    ed.setBytes(line);
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    // Opening a comment in the middle turns the rest into comment up to the next "-->"; closing
    // it again brings the old styles back.
    const long at = line.indexOf("<p>", 100 << 10);
    ed.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, (unsigned long)at, "<!--");
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    EXPECT_TRUE(ed.styles() == freshStyles(ed.bytes()));
    EXPECT_EQ(ed.send(QsciScintillaBase::SCI_GETSTYLEAT, at + 5), QsciLexerHTML::HTMLComment);
    ed.send(QsciScintillaBase::SCI_UNDO);
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    EXPECT_TRUE(ed.styles() == freshStyles(ed.bytes()));
    EXPECT_EQ(ed.send(QsciScintillaBase::SCI_GETSTYLEAT, at), QsciLexerHTML::Tag);
}

TEST(IncrementalLexing, ClearedStylesAndNewWordsAreLexedAfresh)
{
    std::mt19937 rng(5);
    Editor ed;
    ed.setBytes(longLine(rng, 100 << 10));
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    ed.send(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    ed.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 50ul << 10, "x");
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    EXPECT_TRUE(ed.styles() == freshStyles(ed.bytes()));
    // Another tag list: "table" is no longer known, so its tags change style everywhere.
    ed.SendScintilla(QsciScintillaBase::SCI_SETKEYWORDS, 0ul, "html head body div p a span tr td script style b i img br");
    ed.styleTo(ed.send(QsciScintillaBase::SCI_GETLENGTH));
    Editor other;
    other.SendScintilla(QsciScintillaBase::SCI_SETKEYWORDS, 0ul, "html head body div p a span tr td script style b i img br");
    other.setBytes(ed.bytes());
    other.send(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    EXPECT_TRUE(ed.styles() == other.styles());
}

} // namespace
