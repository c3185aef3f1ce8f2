// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a virtual display's pixels for the change a keystroke makes: keys pressed through the
// X server (XTest), drawing reported by the server (DAMAGE) and the pixels then read back, so
// that a report of drawing which left the pixels as they were is not taken for the change.
#pragma once

#include "x_display.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool intersects(const Rect &o) const
    {
        return !empty() && !o.empty() && x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
    bool operator==(const Rect &) const = default;
};

/// A rectangle's pixels as 0xRRGGBB, row after row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> data;
    bool operator==(const Pixels &) const = default;
};

/// The rows in which the two images (of one size) differ, gathered into bands of consecutive
/// rows, each as wide as the columns its changes span; top to bottom.
std::vector<Rect> changedBands(const Pixels &before, const Pixels &after);

/// Where a typed character shows in a window: the topmost band the keystroke changed (status
/// bars, which count the new character too, lie below the text), widened by margin on each side
/// within the image. None when nothing changed.
std::optional<Rect> characterArea(const Pixels &before, const Pixels &after, int margin);

class ScreenWatch {
public:
    explicit ScreenWatch(const std::string &display);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch &) = delete;
    ScreenWatch &operator=(const ScreenWatch &) = delete;

    /// Why the screen cannot be watched here (no display, no DAMAGE or XTEST); empty when it can.
    const std::string &problem() const { return problem_; }

    /// The window's rectangle on the screen.
    Rect geometry(xcb_window_t window);
    /// The screen's pixels in the rectangle.
    Pixels grab(const Rect &area);
    /// Gives the window the keyboard focus.
    void focus(xcb_window_t window);
    /// Moves the pointer to the point on the screen and clicks the first button there.
    void click(int x, int y);
    /// Presses and releases the key of the keysym while the modifier keys are held down.
    bool typeKey(uint32_t keysym, const std::vector<uint32_t> &modifiers = {});

    /// When the area's pixels were first seen to satisfy done: they are read each time the
    /// server reports drawing inside the area, and the time is that of the report. None when
    /// the deadline passes first.
    std::optional<Clock::time_point> waitFor(const Rect &area, const std::function<bool(const Pixels &)> &done,
                                             Clock::time_point deadline);
    /// True once nothing has been drawn inside the area for the quiet time; false at the deadline.
    bool waitForQuiet(const Rect &area, Clock::duration quiet, Clock::time_point deadline);

private:
    /// Reads the queued events: true when one reported drawing inside the area.
    bool drawnInside(const Rect &area);
    bool awaitEvents(Clock::time_point until);
    xcb_keycode_t keycodeOf(uint32_t keysym) const;

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint32_t damage_ = 0;
    uint8_t damageEvent_ = 0; // the first event code of the DAMAGE extension
    std::vector<uint32_t> keysyms_; // the keyboard mapping, keysymsPerCode_ for each code
    int keysymsPerCode_ = 0;
    xcb_keycode_t firstKeycode_ = 0;
    std::string problem_;
};

} // namespace bench
