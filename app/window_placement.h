// SPDX-License-Identifier: GPL-3.0-or-later
// Where a further MainWindow goes, so that it does not hide the one opened before it.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace app {

/// About the height of a window's title bar: the step from one window to the next.
inline constexpr int CascadeStep = 27;

/// The outer top-left of a window as large as `previous`, opened after it: down and right by
/// `step`, or back at the top-left of the screen area that holds `previous` when it would leave
/// it there. `areas` are the screens' available areas, the primary first.
QPoint cascadeFrom(const QRect &previous, const QList<QRect> &areas, int step = CascadeStep);

} // namespace app
