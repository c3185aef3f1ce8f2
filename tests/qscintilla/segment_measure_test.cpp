// SPDX-License-Identifier: GPL-3.0-or-later
// Segments measured from cached advances in one pass: a segment that turns out, part way, to
// hold a character that needs layout (a combining mark, a joined pair, Arabic) must be measured
// by layout as a whole. Each piece of text is given a style run of its own (the styles look
// alike), so that it is one segment, and every position is checked against a QTextLayout of
// that piece alone, added to where the piece starts as the component adds them.
#include "support/line_editor.h"

#include <QFont>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <random>

using qscitest::LineEditor;

namespace {

/// The font the component makes from the default style: without kerning.
QFont styleFont()
{
    QFont f;
    f.setStyleStrategy(QFont::PreferDefault);
    f.setFamily(QStringLiteral("Noto Sans CJK SC"));
    f.setPointSizeF(10);
    f.setItalic(false);
    f.setWeight(QFont::Normal);
    f.setKerning(false);
    return f;
}

QByteArray piece(std::mt19937 &rng)
{
    // Long ASCII or CJK beginnings, then (often) what needs layout, late in the piece.
    static const char *const starts[] = {"<div class=\"item\">text and more text ", "网页编辑表格图片链接标题段落", "{color:red;margin:0}"};
    static const char *const ends[] = {"e\xcc\x81", "office", "مرحبا", "x", "。", "AVAT", "ﬁ"};
    const int kind = std::uniform_int_distribution<int>(0, 2)(rng);
    return QByteArray(starts[kind]) + ends[std::uniform_int_distribution<int>(0, int(std::size(ends)) - 1)(rng)];
}

} // namespace

TEST(SegmentMeasure, EveryPieceAsOneLayoutOfItsOwn)
{
    std::mt19937 rng(53);
    LineEditor ed;
    ed.send(QsciScintillaBase::SCI_STYLESETSIZE, 1, 10);
    std::vector<QByteArray> pieces;
    QByteArray text;
    for (int n = 0; n < 120; ++n) {
        pieces.push_back(piece(rng));
        text += pieces.back();
    }
    ed.sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    long at = 0;
    for (size_t n = 0; n < pieces.size(); ++n) {
        ed.send(QsciScintillaBase::SCI_STARTSTYLING, at);
        ed.send(QsciScintillaBase::SCI_SETSTYLING, pieces[n].size(), int(n % 2));
        at += pieces[n].size();
    }
    const QFont font = styleFont();
    float start = 0;
    at = 0;
    for (const QByteArray &p : pieces) {
        const QString s = QString::fromUtf8(p);
        QTextLayout layout(s, font, ed.viewport());
        layout.beginLayout();
        const QTextLine tl = layout.createLine();
        layout.endLayout();
        float end = start;
        for (long b = 1; b <= p.size(); ++b) {
            if (b < p.size() && (uchar(p.at(b)) & 0xc0) == 0x80)
                continue; // inside a character
            const int units = int(QString::fromUtf8(p.left(b)).size());
            const float x = float(tl.cursorToX(units)) + start;
            ASSERT_EQ(ed.x(at + b), int(x)) << "byte " << b << " of " << p.constData();
            end = x;
        }
        start = end;
        at += p.size();
    }
}
