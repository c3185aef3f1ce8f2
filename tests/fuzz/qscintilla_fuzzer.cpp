// SPDX-License-Identifier: GPL-3.0-or-later
// The patched editor component under random edits: a document made of pieces of ASP pages (long
// lines, Chinese, CR LF, ASP blocks, style and script blocks), then inserts, deletes, undo and redo
// at random places, the text styled as a view styles it and laid out after each. After every step
// the styles equal a fresh lex of the same text where the HTML lexer promises it (a single line,
// or lines that all end in plain markup), and every character stands where a fresh layout of the
// same text and styles puts it. The sanitizers catch any read or write out of bounds.
#include "fuzz_check.h"
#include "support/html_editor.h"
#include "support/line_editor.h"

#include <Qsci/qscilexerhtml.h>

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

QApplication *application = nullptr;

/// What documents are made of and edits insert; the first ones are repeated into long runs.
const char *const Pieces[] = {
    "plain words run on ", "网页编辑中文", "<p class=\"x\">", "</p>", "\r\n", "\n", "<% Dim x : x = \"%>\" %>",
    "<%= name %>", "<style>p { color: red; }</style>", "<style type=\"text/css\">\r\nbody { margin: 0 }\r\n</style>",
    "<script>var a = 1; if (a < 2) { a = '</p>'; }</script>", "<script language=\"vbscript\">Dim y</script>",
    "<!-- a comment -->", "&amp;", "<a href='x.asp?id=<%=id%>'>link</a>", "\t", "<", "\"", "'", "<%", "%>", "<!--",
    "-->", ">", "=", "x", "\xe4\xb8", "\xff", "W",
};
constexpr int LongPieces = 2; // the first two are repeated into runs of up to some kilobytes

/// An editor laid out with one known font, the HTML lexer's tags larger and its comments bold, so
/// that styles move characters; wrapped or not, and without scroll bars, which would narrow the
/// width wrapped to once the text outgrows the view.
std::unique_ptr<qscitest::LineEditor> editor(bool wrap)
{
    auto ed = std::make_unique<qscitest::LineEditor>(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    ed->send(QsciScintillaBase::SCI_SETVSCROLLBAR, 0);
    ed->send(QsciScintillaBase::SCI_SETHSCROLLBAR, 0);
    qscitest::useHtmlLexer(*ed);
    ed->send(QsciScintillaBase::SCI_STYLESETSIZE, QsciLexerHTML::Tag, 14);
    ed->send(QsciScintillaBase::SCI_STYLESETBOLD, QsciLexerHTML::HTMLComment, 1);
    return ed;
}

/// Whether the HTML lexer promises that its results equal a fresh lex: on one line always; across
/// lines when each line ends in plain markup (a line keeps less of the lexer's state than the
/// lexer has, so elsewhere results may depend on where lexing started).
bool promised(const QByteArray &text, const QByteArray &fresh)
{
    for (qsizetype i = text.indexOf('\n'); i >= 0; i = text.indexOf('\n', i + 1))
        if (fresh[i] != QsciLexerHTML::Default || (i > 0 && fresh[i - 1] != QsciLexerHTML::Default && fresh[i - 1] != QsciLexerHTML::Tag))
            return false;
    return true;
}

/// Every character of the edited editor where a fresh editor with the same text and styles puts
/// it: sampled over the text, and every character near the change.
void expectLaidOutAsFresh(qscitest::LineEditor &ed, const QByteArray &text, const QByteArray &styles, bool wrap, long at)
{
    auto fresh = editor(wrap);
    fresh->send(QsciScintillaBase::SCI_SETLEXER, QsciScintillaBase::SCLEX_CONTAINER);
    fresh->sendText(QsciScintillaBase::SCI_SETTEXT, 0, text);
    fresh->send(QsciScintillaBase::SCI_STARTSTYLING, 0);
    fresh->sendText(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles);
    std::vector<long> positions = qscitest::sampledBoundaries(text, 97);
    for (long d = -40; d <= 40; ++d)
        positions.push_back(qscitest::boundaryBefore(text, std::clamp<long>(at + d, 0, text.size())));
    // The x from the line's start, the y from the line's first subline: where the view is scrolled
    // to, and how many sublines the lines out of view were last wrapped into, are no layout's.
    auto y = [](qscitest::LineEditor &e, long p) {
        const long start = e.send(QsciScintillaBase::SCI_POSITIONFROMLINE, e.send(QsciScintillaBase::SCI_LINEFROMPOSITION, p));
        return e.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, p) - e.send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, start);
    };
    for (long p : positions) {
        const long x = ed.x(p), freshX = fresh->x(p), edY = y(ed, p), freshY = y(*fresh, p);
        if (x != freshX || edY != freshY) {
            std::fprintf(stderr, "byte %ld of %lld stands at (%ld, %ld), in a fresh layout at (%ld, %ld)\n", p,
                         static_cast<long long>(text.size()), x, edY, freshX, freshY);
            FUZZ_CHECK(x == freshX && edY == freshY);
        }
    }
}

/// Reads the input a byte at a time; zero once it is used up.
struct Input {
    const std::uint8_t *data;
    std::size_t size, at = 0;
    bool done() const { return at >= size; }
    unsigned byte() { return at < size ? data[at++] : 0; }
    unsigned word()
    {
        const unsigned high = byte();
        return high << 8 | byte();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using B = QsciScintillaBase;
    Input in{data, size};
    const bool wrap = in.byte() & 1;
    // The document: pieces until a zero byte, the long ones repeated into runs (up to 48 KB).
    QByteArray text;
    for (unsigned b = in.byte(); b != 0 && !in.done() && text.size() < (48 << 10); b = in.byte()) {
        const int piece = int(b % std::size(Pieces));
        text += piece < LongPieces ? QByteArray(Pieces[piece]).repeated(1 + in.byte() * 4) : QByteArray(Pieces[piece]);
    }
    auto ed = editor(wrap);
    ed->sendText(B::SCI_SETTEXT, 0, text);
    ed->send(B::SCI_EMPTYUNDOBUFFER);
    // Edits, four bytes each: what, where (a fraction of the text), how much or which piece.
    for (int step = 0; step < 12 && !in.done(); ++step) {
        const unsigned kind = in.byte() % 6;
        const long length = ed->send(B::SCI_GETLENGTH);
        const long at = long(in.word()) * length / 0xFFFF;
        const unsigned amount = in.byte();
        if (kind <= 1)
            ed->sendText(B::SCI_INSERTTEXT, (unsigned long)at, Pieces[amount % std::size(Pieces)]);
        else if (kind == 2)
            ed->send(B::SCI_DELETERANGE, at, std::min<long>(length - at, amount * (amount % 4 == 0 ? 64 : 1)));
        else if (kind == 3)
            ed->send(B::SCI_UNDO);
        else if (kind == 4)
            ed->send(B::SCI_REDO);
        else
            ed->replace(at, std::min<long>(length, at + amount % 8), "网");
        // Styled as a view would: the part shown, then the rest.
        qscitest::styleTo(*ed, long(amount) * ed->send(B::SCI_GETLENGTH) / 255);
        qscitest::styleTo(*ed, ed->send(B::SCI_GETLENGTH));
        const QByteArray now = ed->bytes(), styles = qscitest::stylesOf(*ed);
        const QByteArray fresh = qscitest::freshStyles(now);
        FUZZ_CHECK(styles.size() == fresh.size());
        if (promised(now, fresh) && styles != fresh) {
            std::fprintf(stderr, "styles unlike a fresh lex from byte %ld of %lld\n", qscitest::firstDifference(styles, fresh),
                         static_cast<long long>(now.size()));
            FUZZ_CHECK(styles == fresh);
        }
        expectLaidOutAsFresh(*ed, now, styles, wrap, at);
    }
    return 0;
}
