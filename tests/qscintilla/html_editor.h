// SPDX-License-Identifier: GPL-3.0-or-later
// An editor of the bundled component with the HTML lexer configured as the program does, and the
// style bytes a fresh one gives a text lexed from its start in one pass.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QByteArray>

#include <array>
#include <cstddef>

namespace qscitest {

using Figures = std::array<std::ptrdiff_t, 3>; // bytes lexed, runs resumed, runs stopped early

/// An editor with the HTML lexer configured as the program does, styled only when asked.
class HtmlEditor : public QsciScintilla {
public:
    HtmlEditor()
    {
        setUtf8(true);
        SendScintilla(SCI_SETLEXERLANGUAGE, 0ul, "hypertext");
        SendScintilla(SCI_SETKEYWORDS, 0ul, "html head body div p a span table tr td script style b i img br");
        SendScintilla(SCI_SETKEYWORDS, 1ul, "var function return if else for while new");
        SendScintilla(SCI_SETKEYWORDS, 2ul, "dim set if then else end response write");
        SendScintilla(SCI_SETPROPERTY, "fold", "0");
        SendScintilla(SCI_SETPROPERTY, "html.tags.case.sensitive", "0");
        SendScintilla(SCI_SETPROPERTY, "asp.default.language", "2");
    }
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
    /// Styles up to `to` the way the component does before painting: from the start of the line
    /// where styling stopped.
    void styleTo(long to)
    {
        const long endStyled = send(SCI_GETENDSTYLED);
        if (endStyled < to)
            send(SCI_COLOURISE, send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, endStyled)), to);
    }
    QByteArray styles()
    {
        const long length = send(SCI_GETLENGTH);
        QByteArray out(length, '\0');
        for (long i = 0; i < length; ++i)
            out[qsizetype(i)] = char(send(SCI_GETSTYLEAT, i));
        return out;
    }
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
