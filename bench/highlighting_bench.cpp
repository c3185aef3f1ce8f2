// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the editor's colouring: scrolling page by page through the middle of a document,
// and how fast the HTML lexer styles a generated page.
#include "highlighting_bench.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QElapsedTimer>

namespace bench {

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long send(QsciScintilla *ed, unsigned msg, unsigned long w = 0, long l = 0) { return ed->SendScintilla(msg, w, l); }

} // namespace

void scrollPages(benchmark::State &state, QsciScintilla *ed)
{
    using B = QsciScintillaBase;
    // The view starts in the middle, styled as far as shown (the jump there is measured apart).
    const long middleLine = send(ed, B::SCI_GETLINECOUNT) / 2;
    send(ed, B::SCI_GOTOLINE, middleLine);
    send(ed, B::SCI_SETFIRSTVISIBLELINE, middleLine);
    send(ed, B::SCI_COLOURISE, 0, send(ed, B::SCI_GETLINEENDPOSITION, middleLine + send(ed, B::SCI_LINESONSCREEN) + 1));
    ed->viewport()->repaint();
    settle();
    long first = middleLine;
    for (auto _ : state) {
        // One page down, painted: what comes into view is styled then.
        first += send(ed, B::SCI_LINESONSCREEN);
        send(ed, B::SCI_SETFIRSTVISIBLELINE, first);
        ed->viewport()->repaint();
        settle();
    }
}

double styleWholeText(QsciScintilla *ed)
{
    using B = QsciScintillaBase;
    ed->SendScintilla(B::SCI_STARTSTYLING, 0ul, 0L);
    QElapsedTimer t;
    t.start();
    send(ed, B::SCI_COLOURISE, 0, -1);
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace bench
