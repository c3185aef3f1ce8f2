// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar pictures on dark skins: the pictures are drawn for light surfaces (dark outlines), so on
// a dark surface every part that would not stand out is lifted towards the skin's button text.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {

/// Contrast ratio of two opaque colours as readability guidelines measure it (1 to 21).
double contrastRatio(const QColor &a, const QColor &b);

/// The picture as it reads on `surface`: on a light surface unchanged; on a dark one each pixel
/// with less than 3:1 against the surface (alpha aside) is blended towards `lift` until it has.
QImage legibleOn(const QImage &picture, const QColor &surface, const QColor &lift);

} // namespace ui
