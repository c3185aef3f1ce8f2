// SPDX-License-Identifier: GPL-3.0-or-later
// Detecting the change a keystroke makes: where it shows, and when the pixels there change.
#include "screen_watch.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using bench::Pixels;
using bench::Rect;
using namespace std::chrono_literals;

Pixels blank(int w, int h) { return {w, h, std::vector<uint32_t>(size_t(w) * h, 0xffffff)}; }

Pixels withBoxes(Pixels p, const std::vector<Rect> &boxes)
{
    for (const Rect &b : boxes)
        for (int y = b.y; y < b.y + b.height; ++y)
            for (int x = b.x; x < b.x + b.width; ++x)
                p.data[size_t(y) * p.width + x] = 0x000000;
    return p;
}

struct AreaCase {
    const char *what;
    std::vector<Rect> changed;
    std::vector<Rect> bands;
    std::optional<Rect> area; // with a margin of 3
};

class CharacterArea : public testing::TestWithParam<AreaCase> {};

TEST_P(CharacterArea, IsTheTopmostChangedBandWidened)
{
    const AreaCase &c = GetParam();
    const Pixels before = blank(60, 50), after = withBoxes(before, c.changed);
    EXPECT_EQ(bench::changedBands(before, after), c.bands);
    EXPECT_EQ(bench::characterArea(before, after, 3), c.area);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharacterArea,
    testing::Values(
        AreaCase{"nothing changed", {}, {}, std::nullopt},
        // The character and caret on a text line, the column count in a status bar below.
        AreaCase{"text and status", {{20, 10, 6, 5}, {24, 9, 1, 7}, {5, 40, 4, 3}},
                 {{20, 9, 6, 7}, {5, 40, 4, 3}}, Rect{17, 9, 12, 7}},
        AreaCase{"one unchanged row splits", {{10, 10, 2, 2}, {30, 13, 2, 2}}, {{10, 10, 2, 2}, {30, 13, 2, 2}},
                 Rect{7, 10, 8, 2}},
        AreaCase{"margin kept inside the image", {{0, 0, 2, 3}, {58, 1, 2, 1}}, {{0, 0, 60, 3}}, Rect{0, 0, 60, 3}}),
    [](const auto &info) {
        std::string name = info.param.what;
        for (char &ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(ChangedBands, ImagesOfDifferentSizesHaveNone)
{
    EXPECT_TRUE(bench::changedBands(blank(4, 4), blank(4, 5)).empty());
}

/// A white window at the screen's corner and a pen to draw on it, as an editor draws.
class Canvas {
public:
    explicit Canvas(const std::string &display) : c_(xcb_connect(display.c_str(), nullptr))
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        window_ = xcb_generate_id(c_);
        const uint32_t back[] = {screen->white_pixel, XCB_EVENT_MASK_KEY_PRESS};
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, back);
        xcb_map_window(c_, window_);
        pen_ = xcb_generate_id(c_);
        xcb_create_gc(c_, pen_, window_, 0, nullptr);
        xcb_flush(c_);
    }
    ~Canvas() { xcb_disconnect(c_); }
    xcb_window_t window() const { return window_; }
    void fill(const Rect &r, uint32_t colour)
    {
        xcb_change_gc(c_, pen_, XCB_GC_FOREGROUND, &colour);
        const xcb_rectangle_t box{int16_t(r.x), int16_t(r.y), uint16_t(r.width), uint16_t(r.height)};
        xcb_poly_fill_rectangle(c_, window_, pen_, 1, &box);
        xcb_flush(c_);
    }
    /// The key code of the first key press the window received within a second; 0 when none.
    xcb_keycode_t keyPressed()
    {
        for (auto until = bench::Clock::now() + 1s; bench::Clock::now() < until; std::this_thread::sleep_for(5ms))
            while (xcb_generic_event_t *e = xcb_poll_for_event(c_)) {
                const bool press = (e->response_type & 0x7f) == XCB_KEY_PRESS;
                const xcb_keycode_t code = reinterpret_cast<xcb_key_press_event_t *>(e)->detail;
                std::free(e);
                if (press)
                    return code;
            }
        return 0;
    }

private:
    xcb_connection_t *c_;
    xcb_window_t window_;
    xcb_gcontext_t pen_;
};

struct DrawCase {
    const char *what;
    Rect drawn;
    uint32_t colour;
    bool seen;
};

class WaitForChange : public testing::TestWithParam<DrawCase> {};

TEST_P(WaitForChange, SeesDrawingThatChangesTheWatchedPixelsOnly)
{
    const bench::VirtualDisplay display;
    if (display.name().empty())
        GTEST_SKIP() << "no Xvfb here";
    bench::ScreenWatch screen(display.name());
    ASSERT_EQ(screen.problem(), "");
    Canvas canvas(display.name());
    const Rect watched{40, 20, 30, 20};
    ASSERT_TRUE(screen.waitForQuiet({0, 0, 200, 100}, 100ms, bench::Clock::now() + 5s));
    const Pixels before = screen.grab(watched);
    ASSERT_EQ(before, blank(30, 20)); // the window's white background

    const auto drawnAt = bench::Clock::now();
    canvas.fill(GetParam().drawn, GetParam().colour);
    const auto changed = screen.waitFor(watched, [&](const Pixels &p) { return p != before; }, drawnAt + 500ms);
    EXPECT_EQ(changed.has_value(), GetParam().seen);
    if (changed) {
        EXPECT_GE(*changed, drawnAt);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WaitForChange,
                         testing::Values(DrawCase{"inside", {50, 25, 5, 5}, 0x000000, true},
                                         DrawCase{"across the edge", {0, 0, 41, 21}, 0x000000, true},
                                         DrawCase{"outside", {100, 25, 5, 5}, 0x000000, false},
                                         // Reported by the server as drawn, yet the same pixels.
                                         DrawCase{"same colour inside", {50, 25, 5, 5}, 0xffffff, false}),
                         [](const auto &info) {
                             std::string name = info.param.what;
                             for (char &ch : name)
                                 ch = ch == ' ' ? '_' : ch;
                             return name;
                         });

TEST(ScreenWatch, TypesTheKeyOfAKeysymIntoTheFocusedWindow)
{
    const bench::VirtualDisplay display;
    if (display.name().empty())
        GTEST_SKIP() << "no Xvfb here";
    bench::ScreenWatch screen(display.name());
    Canvas canvas(display.name());
    ASSERT_TRUE(screen.waitForQuiet({0, 0, 200, 100}, 100ms, bench::Clock::now() + 5s));
    screen.focus(canvas.window());
    ASSERT_TRUE(screen.typeKey(0x78)); // x
    const xcb_keycode_t x = canvas.keyPressed();
    ASSERT_NE(x, 0);
    ASSERT_TRUE(screen.typeKey(0xff08)); // BackSpace
    const xcb_keycode_t backSpace = canvas.keyPressed();
    EXPECT_NE(backSpace, 0);
    EXPECT_NE(backSpace, x);
    EXPECT_FALSE(screen.typeKey(0x10fffff)); // no key gives it
}

} // namespace
