// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled editor component's layout of long lines: after random edits, undo and redo, every
// character stands where a fresh measurement puts it, whether its width was reused from earlier
// layouts or measured again, and whichever way the segment was measured.
#include "support/line_editor.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QFont>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr const char *Face = "Noto Sans CJK SC";
constexpr int PointSize = 10;

/// Single-line documents, so a position's x from the line's start is its x from the text's start.
using Editor = qscitest::LineEditor;

/// The font the component makes from the style, which draws without kerning.
QFont styleFont()
{
    QFont f;
    f.setStyleStrategy(QFont::PreferDefault);
    f.setFamily(QString::fromLatin1(Face));
    f.setPointSizeF(PointSize);
    f.setItalic(false);
    f.setWeight(QFont::Normal);
    f.setKerning(false);
    return f;
}

/// Pieces of a minified page: markup, Chinese, full-width punctuation, accented Latin.
QByteArray simplePiece(std::mt19937 &rng)
{
    static const char *const pieces[] = {
        "<div class=\"item\">", "<p>", "text ", "<a href=\"page.html\">", "link</a>", "</p>", "网页", "编辑",
        "，", "。", "café ", "x", "  ", "{color:red;}", "Ωμέγα", "Привет", "表格图片链接",
    };
    return pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(rng)];
}

/// Pieces the component must lay out as a whole: joined and right-to-left scripts, combining
/// marks, characters outside the Basic Multilingual Plane; and those it shows as representations:
/// a tab, an invalid byte, a C1 control, the line separator.
QByteArray mixedPiece(std::mt19937 &rng)
{
    static const char *const pieces[] = {
        "مرحبا", "नमस्ते", "e\xcc\x81", "\xf0\x9f\x98\x80", "𠀀", "fi", "\t", "AVAT", "a\xe2\x80\x8d" "b", "\xff", "\xc2\x85", "\xe2\x80\xa8",
    };
    if (std::uniform_int_distribution<int>(0, 2)(rng) == 0)
        return pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(rng)];
    return simplePiece(rng);
}

/// As mixedPiece, without tabs: after a tab, the characters that follow move by other distances
/// than the change, and wrapping is done again to the end.
QByteArray mixedPieceWithoutTabs(std::mt19937 &rng)
{
    QByteArray piece;
    do
        piece = mixedPiece(rng);
    while (piece == "\t");
    return piece;
}

QByteArray line(std::mt19937 &rng, int bytes, QByteArray (*piece)(std::mt19937 &))
{
    QByteArray out;
    while (out.size() < bytes)
        out += piece(rng);
    return out;
}

/// Random insertions and deletions, some undone and redone, checking after each that the text is
/// the expected one and calling check(text) on it.
template <typename Check>
void editRandomly(Editor &ed, std::mt19937 &rng, QByteArray (*piece)(std::mt19937 &), int steps, Check check)
{
    std::vector<QByteArray> undo, redo;
    QByteArray text = ed.bytes();
    for (int step = 0; step < steps; ++step) {
        const int kind = std::uniform_int_distribution<int>(0, 5)(rng);
        if (kind == 4 && !undo.empty()) {
            ed.undo();
            redo.push_back(text);
            text = undo.back();
            undo.pop_back();
        } else if (kind == 5 && !redo.empty()) {
            ed.redo();
            undo.push_back(text);
            text = redo.back();
            redo.pop_back();
        } else {
            undo.push_back(text);
            redo.clear();
            const long at = qscitest::boundaryBefore(text, std::uniform_int_distribution<long>(0, text.size())(rng));
            if (kind < 2 || text.size() < 100) {
                const QByteArray insert = kind == 0 ? piece(rng) : line(rng, 200, piece);
                ed.sendText(QsciScintillaBase::SCI_INSERTTEXT, at, insert);
                text.insert(at, insert);
            } else {
                const long end = qscitest::boundaryBefore(text, std::min<long>(text.size(), at + std::uniform_int_distribution<long>(1, 300)(rng)));
                ed.send(QsciScintillaBase::SCI_DELETERANGE, at, end - at);
                text.remove(at, end - at);
            }
        }
        ASSERT_EQ(ed.bytes(), text) << "step " << step;
        check(text);
        if (::testing::Test::HasFailure())
            FAIL() << "step " << step;
    }
}

/// Every character boundary of the text, its end included (only every step-th byte's, rounded
/// down to one, when step > 1).
std::vector<long> boundaries(const QByteArray &text, long step = 1)
{
    std::vector<long> out;
    for (long at = 0; at < text.size(); at += step) {
        const long b = qscitest::boundaryBefore(text, at);
        if (out.empty() || out.back() != b)
            out.push_back(b);
    }
    out.push_back(text.size());
    return out;
}

} // namespace

TEST(LongLineLayout, PositionsEqualOneLayoutOfTheWholeLineThroughEditsUndoAndRedo)
{
    // Characters the component measures one by one: every position must be where laying out the
    // line's text up to it puts it.
    std::mt19937 rng(17);
    Editor ed;
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, line(rng, 6000, simplePiece));
    const QFont font = styleFont();
    editRandomly(ed, rng, simplePiece, 60, [&](const QByteArray &text) {
        const QString whole = QString::fromUtf8(text);
        QTextLayout layout(whole, font, ed.viewport());
        layout.beginLayout();
        const QTextLine tl = layout.createLine();
        layout.endLayout();
        for (long position : boundaries(text, 7)) {
            const int units = int(QString::fromUtf8(text.left(position)).size());
            ASSERT_EQ(ed.x(position), int(float(tl.cursorToX(units)))) << "at byte " << position;
        }
    });
}

TEST(LongLineLayout, MixedScriptsStandWhereAFreshEditorPutsThem)
{
    // Segments laid out as a whole and segments measured by character, reused across edits: a
    // new editor, which has measured nothing before, must agree to the pixel.
    std::mt19937 rng(4);
    Editor ed;
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, line(rng, 5000, mixedPiece));
    editRandomly(ed, rng, mixedPiece, 60, [&](const QByteArray &text) {
        Editor fresh;
        fresh.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
        for (long position : boundaries(text))
            ASSERT_EQ(ed.x(position), fresh.x(position)) << "at byte " << position;
    });
}

TEST(LongLineLayout, WrappedSublinesStandWhereAFreshEditorPutsThem)
{
    // Sublines before a change are kept and those after it moved: every character must stand on
    // the subline, and at the x, where wrapping the whole line again puts it.
    std::mt19937 rng(11);
    Editor ed(QsciScintilla::WrapWord);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, line(rng, 20000, mixedPieceWithoutTabs));
    editRandomly(ed, rng, mixedPieceWithoutTabs, 40, [&](const QByteArray &text) {
        Editor fresh(QsciScintilla::WrapWord);
        fresh.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
        ASSERT_GT(ed.send(QsciScintillaBase::SCI_WRAPCOUNT, 0), 20);
        ASSERT_EQ(ed.send(QsciScintillaBase::SCI_WRAPCOUNT, 0), fresh.send(QsciScintillaBase::SCI_WRAPCOUNT, 0));
        ed.send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 0);
        fresh.send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 0);
        for (long position : boundaries(text)) {
            ASSERT_EQ(ed.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position),
                      fresh.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position)) << "at byte " << position;
            ASSERT_EQ(ed.x(position), fresh.x(position)) << "at byte " << position;
        }
    });
}

TEST(LongLineLayout, ANewFontIsMeasuredAfresh)
{
    std::mt19937 rng(9);
    Editor ed;
    const QByteArray text = line(rng, 3000, simplePiece);
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    const int before = ed.x(text.size());
    ed.send(QsciScintillaBase::SCI_STYLESETSIZE, 0, PointSize * 2);
    Editor twice;
    twice.send(QsciScintillaBase::SCI_STYLESETSIZE, 0, PointSize * 2);
    twice.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    EXPECT_GT(ed.x(text.size()), before * 3 / 2);
    EXPECT_EQ(ed.x(text.size()), twice.x(text.size()));
    for (long position : boundaries(text, 5))
        EXPECT_EQ(ed.x(position), twice.x(position)) << "at byte " << position;
}

TEST(LongLineLayout, ControlsAndInvalidBytesAreShownAsTheirRepresentations)
{
    // Every byte from 0x80 has a representation of its own (an invalid byte), so characters of
    // several bytes are looked up by their length: a C1 control (2 bytes) and the line separator
    // (3 bytes) must still be found, and shown as a mnemonic wider than a letter.
    Editor ed;
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, "a\xc2\x85" "b\xe2\x80\xa8" "c\xff" "d\xe4\xb8\x80");
    const int letter = ed.x(1) - ed.x(0);
    EXPECT_GT(ed.x(3) - ed.x(1), 2 * letter);  // NEL
    EXPECT_GT(ed.x(7) - ed.x(4), 2 * letter);  // LS
    EXPECT_GT(ed.x(9) - ed.x(8), 2 * letter);  // x FF
    EXPECT_LT(ed.x(13) - ed.x(10), 3 * letter); // 一, a character like any other
}
