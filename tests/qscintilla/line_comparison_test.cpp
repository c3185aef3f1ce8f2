// SPDX-License-Identifier: GPL-3.0-or-later
// A changed long line is compared with its last layout in pieces, from both ends: changes that
// keep the line's length, changes to the styles alone, and changes next to the pieces' edges
// must all be seen, and the characters after them stand where a fresh editor puts them.
#include "support/line_editor.h"

#include <gtest/gtest.h>

#include <random>

using qscitest::LineEditor;

namespace {

constexpr long Piece = 16384; // the size of the pieces compared

QByteArray asciiAndChinese(std::mt19937 &rng, long bytes)
{
    static const char *const words[] = {"<p>", "text ", "link</a>", "网页", "编辑", "W", "i", "{color:red;}", "，"};
    QByteArray out;
    while (out.size() < bytes)
        out += words[std::uniform_int_distribution<int>(0, int(std::size(words)) - 1)(rng)];
    return out;
}

/// Positions next to the edges of the pieces, counted from the start and from the end.
std::vector<long> nearPieceEdges(long size)
{
    std::vector<long> out;
    for (long edge = Piece; edge < size; edge += Piece)
        for (long d : {-2L, -1L, 0L, 1L})
            out.push_back(edge + d), out.push_back(size - edge + d);
    for (long d : {1L, 2L, 63L, 64L, 65L})
        out.push_back(size - d);
    return out;
}

/// Every sampled position, those around `at` too, where a fresh editor with the same text (and
/// the same styles, when given) puts them.
void expectAsFresh(LineEditor &ed, const QByteArray &text, long at, const QByteArray &styles = {})
{
    LineEditor fresh;
    fresh.send(QsciScintillaBase::SCI_STYLESETSIZE, 1, 20);
    fresh.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    if (!styles.isEmpty()) {
        fresh.send(QsciScintillaBase::SCI_STARTSTYLING, 0);
        fresh.sendText(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles);
    }
    std::vector<long> positions = qscitest::sampledBoundaries(text, 97);
    for (long d = -8; d <= 8; ++d)
        positions.push_back(qscitest::boundaryBefore(text, std::clamp<long>(at + d, 0, text.size())));
    for (long position : positions)
        ASSERT_EQ(ed.x(position), fresh.x(position)) << "at byte " << position << " after a change at " << at;
}

} // namespace

TEST(LongLineComparison, ChangesKeepingTheLengthAreSeenWhereverTheyFall)
{
    // 'i' and 'W' take one byte each and differ in width: replacing one by the other leaves the
    // line as long as before, so only comparing its text shows that it changed.
    std::mt19937 rng(3);
    LineEditor ed;
    QByteArray text = asciiAndChinese(rng, 3 * Piece + 500);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    std::vector<long> targets = nearPieceEdges(text.size());
    targets.push_back(0);
    for (int n = 0; n < 6; ++n)
        targets.push_back(std::uniform_int_distribution<long>(0, text.size() - 1)(rng));
    for (long target : targets) {
        const long at = qscitest::boundaryBefore(text, target);
        if (text[qsizetype(at)] & 0x80)
            continue; // a Chinese character: not one byte
        const QByteArray by = text[qsizetype(at)] == 'W' ? "i" : "W";
        ed.x(text.size()); // laid out before the change
        ed.replace(at, at + 1, by);
        text[qsizetype(at)] = by[0];
        ASSERT_EQ(ed.bytes(), text);
        expectAsFresh(ed, text, at);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(LongLineComparison, StylesChangedAloneAreMeasuredAgain)
{
    // Style 1 is twice the size: restyling a stretch, text untouched, must move what follows.
    std::mt19937 rng(5);
    LineEditor ed;
    ed.send(QsciScintillaBase::SCI_STYLESETSIZE, 1, 20);
    const QByteArray text = asciiAndChinese(rng, 2 * Piece + 300);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    QByteArray styles(text.size(), '\0');
    for (long target : nearPieceEdges(text.size())) {
        const long start = qscitest::boundaryBefore(text, target);
        const long end = qscitest::boundaryBefore(text, std::min<long>(text.size(), start + 5));
        if (end <= start)
            continue;
        const char style = styles[qsizetype(start)] == 1 ? 0 : 1;
        const int before = ed.x(text.size());
        ed.send(QsciScintillaBase::SCI_STARTSTYLING, start);
        ed.send(QsciScintillaBase::SCI_SETSTYLING, end - start, style);
        for (long i = start; i < end; ++i)
            styles[qsizetype(i)] = style;
        ASSERT_NE(ed.x(text.size()), before) << "restyled at " << start;
        expectAsFresh(ed, text, start, styles);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(LongLineComparison, InsertionsAndDeletionsNextToThePiecesEdges)
{
    // Insertions and deletions whose unchanged start or end is a piece long, give or take a
    // byte; then a second line, whose line end is read apart from the changed text.
    std::mt19937 rng(8);
    LineEditor ed;
    QByteArray text = asciiAndChinese(rng, 2 * Piece + 700);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    int step = 0;
    for (long target : nearPieceEdges(text.size())) {
        const long at = qscitest::boundaryBefore(text, std::min<long>(target, text.size()));
        ed.x(text.size());
        if (step++ % 2 == 0) {
            const QByteArray insert = asciiAndChinese(rng, 1 + step % 7);
            ed.sendText(QsciScintillaBase::SCI_INSERTTEXT, at, insert);
            text.insert(at, insert);
        } else {
            const long end = qscitest::boundaryBefore(text, std::min<long>(text.size(), at + 1 + step % 9));
            ed.send(QsciScintillaBase::SCI_DELETERANGE, at, end - at);
            text.remove(at, end - at);
        }
        ASSERT_EQ(ed.bytes(), text);
        expectAsFresh(ed, text, at);
        if (::testing::Test::HasFailure())
            return;
        if (step == 12) {
            ed.sendText(QsciScintillaBase::SCI_APPENDTEXT, 9, "\r\nnext WW");
            text += "\r\nnext WW";
        }
    }
    ed.undo();
    ed.redo();
    EXPECT_EQ(ed.bytes(), text);
    expectAsFresh(ed, text, text.size() / 2);
}
