// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring's palette: calm colours for the white editor, each made readable (WCAG AA) on
// whatever background the editor has.
#pragma once

#include "highlighting.h"

#include <QColor>

namespace ui {

/// Style numbers of CSS inside style blocks: the CSS lexer's own numbers plus this.
inline constexpr int StyleBlockBase = 128;

/// The colour, or the nearest colour of its hue, lighter or darker (towards whichever of black
/// and white contrasts more with the background), that reaches the ratio against the background.
QColor readableOn(const QColor &colour, const QColor &background, double ratio = 4.5);
/// The text colour of a style of the language's lexer on the background.
QColor styleColour(Language language, int style, const QColor &background);
/// The colour of the tag and bracket marks on the background.
QColor markColour(const QColor &background);

} // namespace ui
