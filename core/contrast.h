// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast as readability guidelines (WCAG) measure it: for text colours and picture outlines.
#pragma once

#include <QtGlobal>

namespace core {

/// Relative luminance of an opaque colour given as 0xAARRGGBB, as QColor::rgb() gives it; the
/// alpha byte is ignored (0 black to 1 white).
double relativeLuminance(quint32 argb);
/// Contrast ratio of two opaque colours given as 0xAARRGGBB (1 to 21).
double contrastRatio(quint32 a, quint32 b);

} // namespace core
