// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring a rendered window the way a reader of it sees it: contrasts on the controls' own
// rectangles of a grab (edge ring against the surface just outside, arrow against its field,
// text against its background, marks against what surrounds them).
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace lookmeasure {

/// One measured figure: which check, on which control, the value and the floor it must reach.
struct Figure {
    QString check;   // "text", "edge", "super-button edge", "arrow", "indicator", "mark", "hover", …
    QString control; // the control's unit (object) name and class
    double value = 0;
    double floor = 0;
    bool passes() const { return value >= floor; }
};

double contrast(const QColor &a, const QColor &b);

/// The median colour (by luminance) of the ring of pixels `inset` pixels inside `r` (outside
/// when negative), leaving out `corner` pixels at each end of each side.
QColor ringColour(const QImage &image, const QRect &r, int inset, int corner = 4);
/// The most frequent colour of an area.
QColor commonColour(const QImage &image, const QRect &r);
/// The k-th highest contrast of the area's pixels against `background` (the few strongest pixels
/// of antialiased strokes, not a single stray one); 1 when the area has fewer than k pixels.
double strongestContrast(const QImage &image, const QRect &r, const QColor &background, int k = 3);
/// Edge ring against the surface just outside, side by side (`sides` bits: top, bottom, left,
/// right); the second best side's figure (a side may abut another control's edge).
double edgeContrast(const QImage &image, const QRect &r, int corner = 4, unsigned sides = 15);

/// Measures every visible control of a window (grabbed as `image`): text, edges, drop-down
/// arrows, check and radio marks. `pushEdge` is the skin's ordinary push-button edge, the floor
/// (with 1.5 at least) for the edges of super-buttons.
std::vector<Figure> measureWindow(QWidget *window, const QImage &image, double pushEdge);

/// The edges of a window's ordinary push buttons (QPushButton), for the super-button floor.
std::vector<double> pushButtonEdges(QWidget *window, const QImage &image);

/// The menus of a window (its menu bar's menus, each drawn alone): text of every item.
std::vector<Figure> measureMenus(QWidget *window);

/// Every super-button of a window: the fill under the pointer and pressed differs from the fill
/// at rest, it takes no focus (so shows no focus rectangle), and each picture's outline stands
/// against the button's fill.
std::vector<Figure> measureButtonStates(QWidget *window);

} // namespace lookmeasure
