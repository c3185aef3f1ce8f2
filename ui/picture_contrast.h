// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar pictures on any skin: the pictures are drawn in one palette for light surfaces, so where
// a part of a picture's outline would not stand out from the skin's buttons it is blended towards
// the skin's button text until it does.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {

/// The picture as it reads on `surface`: each pixel of its outline (those next to a pixel the
/// surface shows through) with less than 3:1 against the surface, alpha aside, is blended
/// towards `lift` until it has. Fills inside the outline keep their colours.
QImage legibleOn(const QImage &picture, const QColor &surface, const QColor &lift);

} // namespace ui
