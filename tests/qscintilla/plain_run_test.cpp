// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of plain characters (ASCII, and CJK and the like in three bytes) are passed over in bulk
// when the component cuts a line into segments; lines are drawn from the layout's segments; long
// lines' layouts are allocated and wrapped differently. A reference editor is made to go through
// every character one by one (each start byte gets a representation no character can have), and
// every character must stand where it puts it, through styles, representations, invalid bytes
// and edits.
#include "support/line_editor.h"

#include <QImage>
#include <gtest/gtest.h>

#include <random>
#include <set>

using qscitest::LineEditor;

namespace {

/// Makes the editor judge every character one by one when looking for a run's end: every ASCII
/// byte and every start byte of three-byte characters begins a representation of a length no
/// character of that start byte has (so none is ever shown).
void judgeEachCharacter(LineEditor &ed)
{
    // ASCII: two bytes, which no character starting with ASCII has. Start bytes of three-byte
    // characters: U+x FFD for each, none of which the texts here hold (U+FFFD, the replacement
    // character, among them). Other bytes: four bytes that are no character.
    for (int b = 1; b < 0x100; ++b) {
        const bool three = b >= 0xe0 && b < 0xf0;
        const char key[] = {char(b), b < 0x80 ? '\x01' : three ? '\xbf' : '\x80', b < 0x80 ? '\0' : three ? '\xbd' : '\x80',
                            three ? '\0' : '\x80', 0};
        ed.SendScintilla(QsciScintillaBase::SCI_SETREPRESENTATION, key, "?");
    }
}

/// Plain text with everything that must end a run or be shown otherwise mixed in: invalid and
/// truncated sequences of three bytes (overlong, surrogate, U+FFFE), lone continuation bytes,
/// controls, a tab, characters of two and four bytes, the line separator.
QByteArray awkwardPiece(std::mt19937 &rng)
{
    static const char *const pieces[] = {
        "<div class=\"item\">", "text ", "网页编辑", "표", "ไทย", "。", "W", "i", "{color:red;}", "\xe0\x80\x80",
        "\xed\xa0\x80", "\xef\xbf\xbe", "\xe4\xb8", "\x80", "\xbf\xbf", "\x01", "\t", "é", "\xf0\x9f\x98\x80",
        "\xe2\x80\xa8", "\xe1\x80", "\xec\xbf\xbf",
    };
    return pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(rng)];
}

QByteArray textOf(std::mt19937 &rng, long bytes, QByteArray (*piece)(std::mt19937 &))
{
    QByteArray out;
    while (out.size() < bytes)
        out += piece(rng);
    return out;
}

QByteArray plainPiece(std::mt19937 &rng)
{
    static const char *const pieces[] = {"<p class=\"x\">", "text ", "网页", "编辑", "，", "link</a>"};
    return pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(rng)];
}

/// Two editors with the same text and styles: the one under test and the one judging each
/// character.
struct Pair {
    LineEditor ed, reference;
    explicit Pair(QsciScintilla::WrapMode wrap = QsciScintilla::WrapNone) : ed(wrap), reference(wrap)
    {
        judgeEachCharacter(reference);
        for (LineEditor *e : {&ed, &reference}) {
            e->send(QsciScintillaBase::SCI_STYLESETSIZE, 1, 20);
            // The same face and size as the default: a style change that looks like none.
            e->send(QsciScintillaBase::SCI_STYLESETSIZE, 2, 10);
            e->SendScintilla(QsciScintillaBase::SCI_SETREPRESENTATION, "编", "BIAN");
        }
    }
    void setText(const QByteArray &text)
    {
        ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
        reference.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    }
    void style(long start, long length, int style)
    {
        for (LineEditor *e : {&ed, &reference}) {
            e->send(QsciScintillaBase::SCI_STARTSTYLING, start);
            e->send(QsciScintillaBase::SCI_SETSTYLING, length, style);
        }
    }
    void expectSamePositions(const QByteArray &text, long step)
    {
        for (long position : qscitest::sampledBoundaries(text, step))
            ASSERT_EQ(ed.x(position), reference.x(position)) << "at byte " << position;
    }
};

} // namespace

TEST(PlainRuns, EveryCharacterStandsWhereGoingThroughThemOneByOnePutsIt)
{
    std::mt19937 rng(23);
    Pair pair;
    QByteArray text = textOf(rng, 30000, awkwardPiece);
    pair.setText(text);
    // Styles over random stretches, starting and ending anywhere, inside characters too.
    for (int n = 0; n < 40; ++n) {
        const long start = std::uniform_int_distribution<long>(0, text.size() - 1)(rng);
        const long length = std::uniform_int_distribution<long>(1, 400)(rng);
        pair.style(start, std::min<long>(length, text.size() - start), n % 3);
    }
    pair.expectSamePositions(text, 1);
    // Edits: the layout is reused around them, and the end of the run holding them found again.
    for (int step = 0; step < 30 && !::testing::Test::HasFailure(); ++step) {
        const long at = qscitest::boundaryBefore(text, std::uniform_int_distribution<long>(0, text.size())(rng));
        if (step % 3 == 2) {
            const long end = qscitest::boundaryBefore(text, std::min<long>(text.size(), at + 1 + step * 7));
            for (LineEditor *e : {&pair.ed, &pair.reference})
                e->send(QsciScintillaBase::SCI_DELETERANGE, at, end - at);
            text.remove(at, end - at);
        } else {
            const QByteArray insert = textOf(rng, 1 + step * 5, step % 2 ? awkwardPiece : plainPiece);
            for (LineEditor *e : {&pair.ed, &pair.reference})
                e->sendText(QsciScintillaBase::SCI_INSERTTEXT, at, insert);
            text.insert(at, insert);
        }
        ASSERT_EQ(pair.ed.bytes(), text);
        pair.expectSamePositions(text, 3);
    }
}

TEST(PlainRuns, ADefectDeepInAPlainStretchIsFoundWhereverItFalls)
{
    // Stretches of plain text are checked many bytes at a time: a truncated character, a stray
    // continuation byte or a start byte without its continuation, after 130 to 260 plain bytes
    // (so at every place in such a block, and at its very end), must be found as going through
    // the characters one by one finds it.
    std::mt19937 rng(71);
    static const char *const defects[] = {"\xe4\xb8", "\x80", "\xe5\x80", "\xbf\xbf", "\xe6"};
    QByteArray text;
    for (int n = 0; n < 600; ++n) {
        const long gap = std::uniform_int_distribution<long>(130, 260)(rng);
        // Plain to the component here: no start byte with a representation (编 has one).
        static const char *const plain[] = {"<p class=\"x\">", "text ", "页表", "图", "link</a>"};
        QByteArray filler;
        while (filler.size() < gap)
            filler += plain[std::uniform_int_distribution<int>(0, 4)(rng)];
        text += filler + defects[n % std::size(defects)];
    }
    Pair pair;
    pair.setText(text);
    pair.expectSamePositions(text, 1);
}

TEST(PlainRuns, AnyRepresentationStopsTheRun)
{
    // A representation on a character of a plain run (one of three bytes, an ASCII letter) must
    // be shown: wider than the character itself.
    const QByteArray text = QByteArray("网页编辑表格").repeated(200) + "abcdef";
    const long table = text.indexOf("表"), letter = text.size() - 4;
    LineEditor plain, shown;
    shown.SendScintilla(QsciScintillaBase::SCI_SETREPRESENTATION, "表", "TABLE-TABLE");
    shown.SendScintilla(QsciScintillaBase::SCI_SETREPRESENTATION, "c", "LETTER-C");
    for (LineEditor *e : {&plain, &shown})
        e->sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    const int tableWidth = plain.x(table + 3) - plain.x(table), letterWidth = plain.x(letter + 1) - plain.x(letter);
    EXPECT_GT(shown.x(table + 3) - shown.x(table), 2 * tableWidth);
    EXPECT_GT(shown.x(letter + 1) - shown.x(letter), 3 * letterWidth);
    EXPECT_EQ(shown.x(table + 6) - shown.x(table + 3), tableWidth); // the character after it as before
}

TEST(PlainRuns, ALongRunIsDrawnFromItsStartAsAShortOne)
{
    // One run of 300 KB, drawn from the layout's segments, against the same text in which the
    // first run ends after 90 bytes (a style that looks the same), drawn as any short run is.
    // Every piece is 15 bytes with a space at its end, so both are cut into the same segments
    // of 90 bytes and must show the same pixels.
    const QByteArray text = QByteArray("网页a网页b ").repeated(20000);
    LineEditor run, reference;
    reference.send(QsciScintillaBase::SCI_STYLESETSIZE, 2, 10);
    for (LineEditor *e : {&run, &reference}) {
        e->sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
        e->send(QsciScintillaBase::SCI_SETCARETPERIOD, 0);
        e->send(QsciScintillaBase::SCI_SETSELECTION, text.size(), text.size());
        e->send(QsciScintillaBase::SCI_SETXOFFSET, 0);
    }
    reference.send(QsciScintillaBase::SCI_STARTSTYLING, 90);
    reference.send(QsciScintillaBase::SCI_SETSTYLING, text.size() - 90, 2);
    const QImage a = run.viewport()->grab().toImage(), b = reference.viewport()->grab().toImage();
    ASSERT_FALSE(a.isNull());
    EXPECT_TRUE(a == b);
    // Text is drawn: more than a few colours.
    std::set<QRgb> colours;
    const QImage rgb = a.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 2)
        for (int x = 0; x < rgb.width(); x += 2)
            colours.insert(rgb.pixel(x, y));
    EXPECT_GT(colours.size(), 4u);
}

TEST(PlainRuns, AWrappedLineOfMegabytesKeepsEverySubline)
{
    // About 60,000 sublines, their starts kept in an array that grows as they are found, and
    // layout arrays large enough to be given large pages: every sampled character stands lower
    // than the one before it or on the same subline further right, and each subline starts at
    // the left edge.
    std::mt19937 rng(41);
    const QByteArray text = textOf(rng, 4'500'000, plainPiece);
    LineEditor ed(QsciScintilla::WrapWord);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    const long sublines = ed.send(QsciScintillaBase::SCI_WRAPCOUNT, 0);
    ASSERT_GT(sublines, 20000);
    long previousY = -1, previousX = -1, seen = 0;
    const long left = ed.send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 0);
    for (long position : qscitest::sampledBoundaries(text, 499)) {
        const long y = ed.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position);
        const long x = ed.send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, position);
        ASSERT_TRUE(y > previousY || (y == previousY && x > previousX)) << "at byte " << position;
        previousY = y;
        previousX = x;
        ++seen;
    }
    EXPECT_GT(seen, 8000);
    // The start of a subline near the end: at the left edge.
    const long last = ed.send(QsciScintillaBase::SCI_POSITIONFROMPOINT, left, ed.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, text.size()));
    EXPECT_EQ(ed.send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, last), left);
}
