// SPDX-License-Identifier: GPL-3.0-or-later
// An editor of the bundled component with the HTML lexer configured as the program does, and the
// style bytes a fresh one gives a text lexed from its start in one pass.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstddef>

namespace qscitest {

using Figures = std::array<std::ptrdiff_t, 3>; // bytes lexed, runs resumed, runs stopped early

/// Gives the editor the HTML lexer configured as the program does (some of its word lists).
inline void useHtmlLexer(QsciScintillaBase &ed)
{
    using B = QsciScintillaBase;
    ed.SendScintilla(B::SCI_SETCODEPAGE, B::SC_CP_UTF8);
    ed.SendScintilla(B::SCI_SETLEXERLANGUAGE, 0ul, "hypertext");
    ed.SendScintilla(B::SCI_SETKEYWORDS, 0ul, "html head body div p a span table tr td script style b i img br");
    ed.SendScintilla(B::SCI_SETKEYWORDS, 1ul, "var function return if else for while new");
    ed.SendScintilla(B::SCI_SETKEYWORDS, 2ul, "dim set if then else end response write");
    ed.SendScintilla(B::SCI_SETPROPERTY, "fold", "0");
    ed.SendScintilla(B::SCI_SETPROPERTY, "html.tags.case.sensitive", "0");
    ed.SendScintilla(B::SCI_SETPROPERTY, "asp.default.language", "2");
}

/// Styles up to `to` the way the component does before painting: from the start of the line
/// where styling stopped.
inline void styleTo(QsciScintillaBase &ed, long to)
{
    using B = QsciScintillaBase;
    const long endStyled = ed.SendScintilla(B::SCI_GETENDSTYLED);
    if (endStyled < to)
        ed.SendScintilla(B::SCI_COLOURISE, ed.SendScintilla(B::SCI_POSITIONFROMLINE, ed.SendScintilla(B::SCI_LINEFROMPOSITION, endStyled)), to);
}

/// The style byte of every byte of the text.
inline QByteArray stylesOf(QsciScintillaBase &ed)
{
    const long length = ed.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    QByteArray out(length, '\0');
    for (long i = 0; i < length; ++i)
        out[qsizetype(i)] = char(ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, i));
    return out;
}

/// Where two style strings first differ (the shorter one's length when one starts the other).
inline long firstDifference(const QByteArray &a, const QByteArray &b)
{
    const long n = std::min(a.size(), b.size());
    for (long i = 0; i < n; ++i)
        if (a[qsizetype(i)] != b[qsizetype(i)])
            return i;
    return n;
}

/// An editor with the HTML lexer configured as the program does, styled only when asked.
class HtmlEditor : public QsciScintilla {
public:
    HtmlEditor() { useHtmlLexer(*this); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return SendScintilla(msg, w, l); }
    /// The text, as loaded: not in the undo history.
    void setBytes(const QByteArray &bytes)
    {
        SendScintilla(SCI_SETTEXT, bytes.constData());
        SendScintilla(SCI_EMPTYUNDOBUFFER);
    }
    QByteArray bytes()
    {
        QByteArray out(send(SCI_GETLENGTH), '\0');
        if (!out.isEmpty())
            SendScintilla(SCI_GETTEXT, out.size() + 1, out.data());
        return out;
    }
    void styleTo(long to) { qscitest::styleTo(*this, to); }
    QByteArray styles() { return stylesOf(*this); }
    Figures figures()
    {
        Figures f{};
        SendScintilla(SCI_PRIVATELEXERCALL, 0x4c58ul, static_cast<void *>(f.data()));
        return f;
    }
};

inline QByteArray freshStyles(const QByteArray &text)
{
    HtmlEditor fresh;
    fresh.setBytes(text);
    fresh.send(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    return fresh.styles();
}

} // namespace qscitest
