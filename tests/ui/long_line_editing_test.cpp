// SPDX-License-Identifier: GPL-3.0-or-later
// A minified page is one line of hundreds of kilobytes: edited at random, with undo and redo and
// typing, its bytes, byte count, caret column, copied text and editability stay exact.
#include "ui/code_editor.h"
#include "core/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using ui::CodeEditor;

namespace {

/// One line of markup, Chinese, a character outside the BMP and accented Latin, as a file holds it.
QByteArray longLineFile(std::mt19937 &rng, qsizetype size)
{
    static const QString pieces[] = {u"<div class=\"item\">"_s, u"网页"_s, u"<a href=\"a.html\">链接</a>"_s, u"𠀀"_s,
                                     u"é "_s, u"{color:red}"_s, u"\t"_s, u"</div>"_s};
    QString text;
    while (core::textToBytes(text).size() < size)
        for (int i = 0; i < 64; ++i)
            text += pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(rng)];
    return core::textToBytes(text);
}

/// A character boundary of the editor's UTF-8 text near the byte.
long boundary(const QByteArray &utf8, long at)
{
    while (at > 0 && at < utf8.size() && (uchar(utf8.at(at)) & 0xc0) == 0x80)
        --at;
    return at;
}

} // namespace

TEST(LongLineEditing, BytesCountsAndColumnStayExactThroughRandomEdits)
{
    CodeEditor ed;
    ed.resize(600, 300);
    ed.show();
    std::mt19937 rng(23);
    const QByteArray file = longLineFile(rng, 300 * 1024);
    ed.replaceAllWithEditorBytes(core::gb18030ToEditorBytes(file));
    ASSERT_EQ(ed.wholeTextBytes(), file);
    ASSERT_EQ(ed.byteLength(), file.size());

    // The expected text in the editor's encoding (UTF-8 here: the pieces are all valid).
    QByteArray text = core::gb18030ToEditorBytes(file);
    std::vector<QByteArray> undo, redo;
    for (int step = 0; step < 60; ++step) {
        const int kind = std::uniform_int_distribution<int>(0, 6)(rng);
        if (kind == 5 && !undo.empty()) {
            ed.undo();
            redo.push_back(text);
            text = undo.back();
            undo.pop_back();
        } else if (kind == 6 && !redo.empty()) {
            ed.redo();
            undo.push_back(text);
            text = redo.back();
            redo.pop_back();
        } else {
            undo.push_back(text);
            redo.clear();
            const long at = boundary(text, std::uniform_int_distribution<long>(0, text.size())(rng));
            ed.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at);
            if (kind == 0) { // typed, at the end of the line or anywhere
                if (step % 2)
                    ed.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
                const long caret = ed.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
                QTest::keyClick(&ed, Qt::Key_A);
                text.insert(caret, 'a');
            } else if (kind < 3) {
                const QString insert = kind == 1 ? u"网"_s : u"<p>链接𠀀</p>"_s;
                ed.insertAtCaret(insert);
                text.insert(at, insert.toUtf8());
            } else {
                const long end = boundary(text, std::min<long>(text.size(), at + std::uniform_int_distribution<long>(1, 2000)(rng)));
                ed.SendScintilla(QsciScintillaBase::SCI_SETSEL, at, end);
                ed.insertAtCaret({});
                text.remove(at, end - at);
            }
        }
        QCoreApplication::processEvents();
        const QByteArray expected = core::textToBytes(QString::fromUtf8(text));
        ASSERT_EQ(ed.wholeTextBytes(), expected) << "step " << step;
        ASSERT_EQ(ed.byteLength(), expected.size()) << "step " << step;
        ASSERT_EQ(ed.caretLine(), 0);
        const long caret = ed.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
        ASSERT_EQ(ed.caretColumn(), QString::fromUtf8(text.left(caret)).toUcs4().size()) << "step " << step;
        ASSERT_FALSE(ed.isReadOnly());
    }

    // A stretch copied from the middle of the line arrives whole.
    const long from = boundary(text, text.size() / 3), to = boundary(text, from + 100000);
    ed.SendScintilla(QsciScintillaBase::SCI_SETSEL, from, to);
    EXPECT_EQ(ed.selectedCharacters(), QString::fromUtf8(text.mid(from, to - from)).toUcs4().size());
    ed.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(text.mid(from, to - from)));
}
