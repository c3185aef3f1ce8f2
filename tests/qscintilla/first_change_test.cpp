// SPDX-License-Identifier: GPL-3.0-or-later
// A line's first layout keeps no widths within its segments: its first change measures those
// after the change that it moves, and from then on they are kept. Wherever the first change
// falls, and whatever follows (changes further left, a line that outgrows its layout), every
// character stands where a fresh editor puts it.
#include "support/line_editor.h"

#include <gtest/gtest.h>

#include <random>

using qscitest::LineEditor;

namespace {

/// Style 1 is large, style 2 hidden: the styles the text is given are a function of each byte,
/// so that restyling the whole line after a change changes only the changed bytes' styles.
void setUpStyles(LineEditor &ed)
{
    ed.send(QsciScintillaBase::SCI_STYLESETSIZE, 1, 20);
    ed.send(QsciScintillaBase::SCI_STYLESETVISIBLE, 2, 0);
    ed.send(QsciScintillaBase::SCI_SETTABWIDTH, 4);
}

char styleOf(char byte)
{
    return byte == 'W' ? 1 : (byte >= '0' && byte <= '9') ? 2 : 0;
}

void restyle(LineEditor &ed, const QByteArray &text)
{
    QByteArray styles(text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        styles[i] = styleOf(text[i]);
    ed.send(QsciScintillaBase::SCI_STARTSTYLING, 0);
    ed.sendText(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles);
}

/// Plain words and Chinese in long stretches, with what is measured apart: tabs, a control
/// character, an invalid byte, hidden digits and large letters.
QByteArray mixedText(std::mt19937 &rng, long bytes)
{
    static const char *const words[] = {"<p>", "text ", "link</a>", "网页", "编辑", "W", "i", "{color:red;}",
                                        "，", "\t", "\x01", "\xff", "2026", "plain words run on "};
    QByteArray out;
    while (out.size() < bytes)
        out += words[std::uniform_int_distribution<int>(0, int(std::size(words)) - 1)(rng)];
    return out;
}

LineEditor *laidOut(const QByteArray &text)
{
    auto *ed = new LineEditor;
    setUpStyles(*ed);
    ed->sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    ed->send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    restyle(*ed, text);
    ed->x(text.size());
    return ed;
}

void expectAsFresh(LineEditor &ed, const QByteArray &text, long at, const char *what)
{
    std::unique_ptr<LineEditor> fresh(laidOut(text));
    std::vector<long> positions = qscitest::sampledBoundaries(text, 89);
    for (long d = -120; d <= 120; d += 3)
        positions.push_back(qscitest::boundaryBefore(text, std::clamp<long>(at + d, 0, text.size())));
    for (long position : positions)
        ASSERT_EQ(ed.x(position), fresh->x(position)) << "at byte " << position << " after " << what << " at " << at;
}

/// Inserts or deletes at a character boundary near target, in the editor and in text.
void change(LineEditor &ed, QByteArray &text, long target, bool insert, std::mt19937 &rng)
{
    const long at = qscitest::boundaryBefore(text, std::clamp<long>(target, 0, text.size()));
    if (insert) {
        const QByteArray added = mixedText(rng, 1 + std::uniform_int_distribution<int>(0, 12)(rng));
        ed.sendText(QsciScintillaBase::SCI_INSERTTEXT, at, added);
        text.insert(at, added);
    } else {
        const long end = qscitest::boundaryBefore(text, std::min<long>(text.size(), at + 1 + (at % 23)));
        ed.send(QsciScintillaBase::SCI_DELETERANGE, at, end - at);
        text.remove(at, end - at);
    }
    restyle(ed, text);
}

} // namespace

TEST(FirstChangeOfALine, AnywhereInTheLineThenFurtherLeft)
{
    // Each editor is laid out once; its first change falls at the start, within the line or
    // next to its end, then each further change to the left of the last, where no widths were
    // kept yet, then one to the right where they were.
    std::mt19937 rng(11);
    const QByteArray original = mixedText(rng, 30000);
    for (long first : {0L, 1L, 7000L, 15000L, 29000L, 29990L, long(original.size())}) {
        for (bool insert : {true, false}) {
            QByteArray text = original;
            std::unique_ptr<LineEditor> ed(laidOut(text));
            change(*ed, text, first, insert, rng);
            ASSERT_EQ(ed->bytes(), text);
            expectAsFresh(*ed, text, first, "a first change");
            for (long then : {first - 300, first / 2, 3L, first + 500}) {
                ed->x(text.size());
                change(*ed, text, then, !insert, rng);
                expectAsFresh(*ed, text, then, "a later change");
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

TEST(FirstChangeOfALine, ChangesKeepingTheLengthAndRestyling)
{
    // A first change that keeps the line's length, and one that only restyles: the segments
    // after it are moved by nothing, from widths measured only now.
    std::mt19937 rng(12);
    QByteArray text = mixedText(rng, 20000);
    for (long at : {100L, 10000L, 19000L}) {
        std::unique_ptr<LineEditor> ed(laidOut(text));
        const long p = qscitest::boundaryBefore(text, at);
        if (text[qsizetype(p)] & 0x80)
            continue;
        const QByteArray by = text[qsizetype(p)] == 'W' ? "i" : "W";
        ed->replace(p, p + 1, by);
        text[qsizetype(p)] = by[0];
        restyle(*ed, text);
        expectAsFresh(*ed, text, p, "a change of one byte");

        std::unique_ptr<LineEditor> restyled(laidOut(text));
        QByteArray styles(200, '\1');
        restyled->send(QsciScintillaBase::SCI_STARTSTYLING, p);
        restyled->sendText(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles);
        std::unique_ptr<LineEditor> fresh(laidOut(text));
        fresh->send(QsciScintillaBase::SCI_STARTSTYLING, p);
        fresh->sendText(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles);
        for (long position : qscitest::sampledBoundaries(text, 53))
            ASSERT_EQ(restyled->x(position), fresh->x(position)) << "at byte " << position << " restyled at " << p;
    }
}

TEST(FirstChangeOfALine, LineOutgrowingItsLayoutKeepsItsWidths)
{
    // Typing at the end keeps widths only for the last segments; a large insertion in the
    // middle then makes the line outgrow its layout, which keeps what it kept; then changes at
    // the start measure the rest. Undo and redo go back over all of it.
    std::mt19937 rng(13);
    QByteArray text = mixedText(rng, 40000);
    std::unique_ptr<LineEditor> ed(laidOut(text));
    const QByteArray original = text;
    for (int n = 0; n < 5; ++n) {
        ed->sendText(QsciScintillaBase::SCI_APPENDTEXT, 2, "ab");
        text += "ab";
        restyle(*ed, text);
        ed->x(text.size());
    }
    expectAsFresh(*ed, text, text.size(), "typing at the end");
    const QByteArray big = mixedText(rng, 120000);
    const long middle = qscitest::boundaryBefore(text, 20000);
    ed->sendText(QsciScintillaBase::SCI_INSERTTEXT, middle, big);
    text.insert(middle, big);
    restyle(*ed, text);
    expectAsFresh(*ed, text, middle + big.size(), "a large insertion");
    change(*ed, text, 2, true, rng);
    expectAsFresh(*ed, text, 2, "a change at the start");
    change(*ed, text, 30000, false, rng);
    expectAsFresh(*ed, text, 30000, "a deletion after the start");
    while (ed->send(QsciScintillaBase::SCI_CANUNDO))
        ed->undo();
    EXPECT_EQ(ed->bytes(), original);
    restyle(*ed, original);
    expectAsFresh(*ed, original, 20000, "undoing everything");
}
