// SPDX-License-Identifier: GPL-3.0-or-later
// Typing on a long line with the HTML lexer, against the same without a lexer, in a bare editor
// so that only the component's own work is measured.
#include "long_line_lexing_bench.h"

#include "documents.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QTest>

namespace bench {

namespace {

void useHtmlLexer(QsciScintilla &ed, bool checkpoints)
{
    using B = QsciScintillaBase;
    ed.SendScintilla(B::SCI_SETLEXERLANGUAGE, 0ul, "hypertext");
    ed.SendScintilla(B::SCI_SETKEYWORDS, 0ul, "html head body div p a span table tr td script style b i img br");
    ed.SendScintilla(B::SCI_SETPROPERTY, "fold", "0");
    ed.SendScintilla(B::SCI_SETPROPERTY, "asp.default.language", "2");
    ed.SendScintilla(B::SCI_SETPROPERTY, "lexer.html.checkpoints", checkpoints ? "1" : "0");
    ed.SendScintilla(B::SCI_SETIDLESTYLING, B::SC_IDLESTYLING_TOVISIBLE);
}

} // namespace

void lexWholeLine(benchmark::State &state)
{
    using B = QsciScintillaBase;
    QsciScintilla ed;
    ed.setUtf8(true);
    useHtmlLexer(ed, true);
    const QByteArray text = makeDocument(state.range(0), 11, 0).toUtf8();
    ed.SendScintilla(B::SCI_SETTEXT, text.constData());
    for (auto _ : state) {
        ed.SendScintilla(B::SCI_CLEARDOCUMENTSTYLE);
        ed.SendScintilla(B::SCI_COLOURISE, 0, -1);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

void typeInLexedLine(benchmark::State &state)
{
    using B = QsciScintillaBase;
    QsciScintilla ed;
    ed.setUtf8(true);
    ed.resize(1000, 700);
    ed.show();
    const int lexer = int(state.range(2));
    if (lexer > 0)
        useHtmlLexer(ed, lexer == 2);
    const QByteArray text = makeDocument(state.range(0), 11, 0).toUtf8();
    ed.SendScintilla(B::SCI_SETTEXT, text.constData());
    long at = text.size();
    if (state.range(1) == 1) {
        at = text.indexOf("text ", text.size() / 2) + 2; // inside a run of text, not a tag
    }
    ed.SendScintilla(B::SCI_GOTOPOS, at);
    ed.repaint();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(ed.viewport(), Qt::Key_A);
        ed.repaint();
        QCoreApplication::processEvents();
    }
    state.counters["styled"] = double(ed.SendScintilla(B::SCI_GETENDSTYLED));
}

} // namespace bench
