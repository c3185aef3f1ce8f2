// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast as readability guidelines (WCAG) measure it: for text colours and picture outlines.
#pragma once

#include <QColor>

namespace ui {

/// Relative luminance of an opaque colour (0 black to 1 white).
double relativeLuminance(const QColor &c);
/// Contrast ratio of two opaque colours (1 to 21).
double contrastRatio(const QColor &a, const QColor &b);

} // namespace ui
