// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor component drew: the colour of a character in a picture of its text area, and
// the colour its style asks for.
#pragma once

#include <Qsci/qsciscintillabase.h>

#include <QColor>
#include <QImage>

#include <cstdlib>

namespace testsupport {

inline int colourDistance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

/// The foreground colour of the style at the position.
inline QColor styleColourAt(QsciScintillaBase *ed, long position)
{
    const long style = ed->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position) & 0xFF;
    const long c = ed->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, style);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

/// The colour drawn for the character at the position in a picture of the text area (the
/// viewport): of the pixels in its box, the one farthest from the background, a stroke's middle
/// rather than its smoothed edge.
inline QColor drawnColour(QsciScintillaBase *ed, const QImage &picture, long position)
{
    using B = QsciScintillaBase;
    const int x = int(ed->SendScintilla(B::SCI_POINTXFROMPOSITION, 0ul, position));
    const int y = int(ed->SendScintilla(B::SCI_POINTYFROMPOSITION, 0ul, position));
    const int right = int(ed->SendScintilla(B::SCI_POINTXFROMPOSITION, 0ul, position + 1));
    const int height = int(ed->SendScintilla(B::SCI_TEXTHEIGHT, ed->SendScintilla(B::SCI_LINEFROMPOSITION, position)));
    const QRect box = QRect(x, y, right - x, height).intersected(picture.rect());
    if (box.isEmpty())
        return {};
    const QColor back = picture.pixelColor(box.topLeft());
    QColor farthest = back;
    for (int py = box.top(); py <= box.bottom(); ++py)
        for (int px = box.left(); px <= box.right(); ++px)
            if (colourDistance(picture.pixelColor(px, py), back) > colourDistance(farthest, back))
                farthest = picture.pixelColor(px, py);
    return farthest;
}

/// Close enough to the style's colour that only smoothing can explain the difference.
inline bool drawnInItsStyleColour(QsciScintillaBase *ed, const QImage &picture, long position)
{
    return colourDistance(drawnColour(ed, picture, position), styleColourAt(ed, position)) <= 24;
}

} // namespace testsupport
