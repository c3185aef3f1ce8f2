// SPDX-License-Identifier: GPL-3.0-or-later
// Where a further MainWindow goes: a title bar's height down and right of the one before it, back
// at the top-left of that window's screen area when it would leave it.
#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, StepsDownAndRightAndWrapsAtTheEdgeOfItsOwnScreen)
{
    const QRect laptop(0, 0, 1280, 770);          // a panel along the bottom
    const QRect topPanel(0, 30, 1280, 770);       // a panel along the top
    const QRect right(1280, 0, 1920, 1080);       // a second screen right of the first
    const QRect above(0, -1080, 1920, 1080);      // a second screen above the first
    struct Case {
        const char *what;
        QRect previous;
        QList<QRect> areas;
        QPoint expected;
    };
    const std::vector<Case> cases = {
        {"room to step", {240, 100, 800, 600}, {laptop}, {267, 127}},
        {"ends exactly on the bottom edge", {240, 143, 800, 600}, {laptop}, {267, 170}},
        {"would leave at the bottom", {240, 144, 800, 600}, {laptop}, {0, 0}},
        {"ends exactly on the right edge", {453, 0, 800, 600}, {laptop}, {480, 27}},
        {"would leave on the right", {454, 0, 800, 600}, {laptop}, {0, 0}},
        {"wraps below a top panel", {400, 174, 800, 600}, {topPanel}, {0, 30}},
        {"steps on the second screen", {1400, 100, 800, 600}, {laptop, right}, {1427, 127}},
        {"wraps to the second screen's corner", {1400, 460, 800, 600}, {laptop, right}, {1280, 0}},
        {"astride two screens: wraps on the one with its centre", {1000, 100, 800, 600}, {laptop, right}, {1280, 0}},
        {"centre on no screen: the one it overlaps most", {1200, 900, 800, 600}, {laptop, right}, {1280, 0}},
        {"a screen at negative places", {100, -1000, 800, 600}, {laptop, above}, {127, -973}},
        {"off every screen: the primary's corner", {-3000, -3000, 800, 600}, {laptop, right}, {0, 0}},
        {"larger than its screen: still off the one before", {0, 0, 800, 600}, {{0, 0, 640, 480}}, {27, 27}},
        {"larger than its screen, one step on", {27, 27, 800, 600}, {{0, 0, 640, 480}}, {0, 0}},
        {"no screen known", {10, 10, 800, 600}, {}, {37, 37}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::cascadeFrom(c.previous, c.areas), c.expected) << c.what;
}

} // namespace
