// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <algorithm>

namespace app {
namespace {

/// The area holding the window's centre; else the one it overlaps most; else the primary.
QRect areaHolding(const QRect &window, const QList<QRect> &areas)
{
    for (const QRect &area : areas)
        if (area.contains(window.center()))
            return area;
    auto overlap = [&](const QRect &area) {
        const QRect common = area.intersected(window);
        return qint64(common.width()) * common.height();
    };
    const auto most = std::max_element(areas.begin(), areas.end(),
                                       [&](const QRect &a, const QRect &b) { return overlap(a) < overlap(b); });
    return overlap(*most) > 0 ? *most : areas.constFirst();
}

} // namespace

QPoint cascadeFrom(const QRect &previous, const QList<QRect> &areas, int step)
{
    const QPoint next = previous.topLeft() + QPoint(step, step);
    if (areas.isEmpty())
        return next;
    const QRect area = areaHolding(previous, areas);
    // The top-left corners that keep the whole window on the area; at least one step's worth, so
    // that a window larger than the area still moves off the one before it.
    const QRect corners(area.topLeft(), QSize(std::max(area.width() - previous.width(), step) + 1,
                                              std::max(area.height() - previous.height(), step) + 1));
    return corners.contains(next) ? next : area.topLeft();
}

} // namespace app
