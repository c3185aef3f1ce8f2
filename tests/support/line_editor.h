// SPDX-License-Identifier: GPL-3.0-or-later
// An editor of the bundled component set up for checking where characters stand: one known font,
// no margins, UTF-8; and the character boundaries of its text.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QCoreApplication>

#include <vector>

namespace qscitest {

class LineEditor : public QsciScintilla {
public:
    explicit LineEditor(WrapMode wrap = WrapNone)
    {
        setUtf8(true);
        setWrapMode(wrap);
        for (int m = 0; m < 5; ++m)
            setMarginWidth(m, 0);
        SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, "Noto Sans CJK SC");
        SendScintilla(SCI_STYLESETSIZE, STYLE_DEFAULT, 10);
        SendScintilla(SCI_STYLECLEARALL);
        resize(500, 200);
        show();
        QCoreApplication::processEvents();
    }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return SendScintilla(msg, w, l); }
    void sendText(unsigned msg, unsigned long w, const QByteArray &bytes) { SendScintilla(msg, w, bytes.constData()); }
    QByteArray bytes()
    {
        QByteArray out(send(SCI_GETLENGTH), Qt::Uninitialized);
        if (!out.isEmpty()) // an empty array's data is Qt's shared, read-only one
            SendScintilla(SCI_GETTEXT, out.size() + 1, out.data());
        return out;
    }
    /// The x of a position from its line's start, scrolled there first (points left of the view
    /// are negative and would round the other way).
    int x(long position)
    {
        send(SCI_SETXOFFSET, 0);
        const long lineStart = send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, position));
        return int(send(SCI_POINTXFROMPOSITION, 0, position) - send(SCI_POINTXFROMPOSITION, 0, lineStart));
    }
    /// Replaces [start, end) by text, as one change.
    void replace(long start, long end, const QByteArray &text)
    {
        send(SCI_SETTARGETSTART, start);
        send(SCI_SETTARGETEND, end);
        SendScintilla(SCI_REPLACETARGET, text.size(), text.constData());
    }
};

/// A character boundary in UTF-8 text at or before the given byte.
inline long boundaryBefore(const QByteArray &text, long at)
{
    while (at > 0 && at < text.size() && (uchar(text.at(qsizetype(at))) & 0xc0) == 0x80)
        --at;
    return at;
}

/// Every step-th character boundary of the text (rounded down), its end included.
inline std::vector<long> sampledBoundaries(const QByteArray &text, long step)
{
    std::vector<long> out;
    for (long at = 0; at < text.size(); at += step) {
        const long b = boundaryBefore(text, at);
        if (out.empty() || out.back() != b)
            out.push_back(b);
    }
    out.push_back(text.size());
    return out;
}

} // namespace qscitest
