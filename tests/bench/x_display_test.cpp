// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a program's window: the first top-level window mapped, menus and tooltips passed over.
#include "x_display.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

/// A client of the display that makes and maps windows, standing in for a started program.
class Client {
public:
    explicit Client(const std::string &display) : c_(xcb_connect(display.c_str(), nullptr))
    {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    }
    ~Client() { xcb_disconnect(c_); }
    xcb_window_t map(bool overrideRedirect)
    {
        const xcb_window_t w = xcb_generate_id(c_);
        const uint32_t values[] = {overrideRedirect ? 1u : 0u};
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, w, root_, 10, 10, 50, 40, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(c_, w);
        xcb_flush(c_);
        return w;
    }

private:
    xcb_connection_t *c_;
    xcb_window_t root_;
};

TEST(TopLevelWatch, FindsTheFirstTopLevelWindowMappedAndPassesOverMenus)
{
    const bench::VirtualDisplay display;
    if (display.name().empty())
        GTEST_SKIP() << "no Xvfb here";
    bench::TopLevelWatch watch(display.name());
    ASSERT_TRUE(watch.connected());
    // Nothing mapped: the deadline ends the wait empty-handed.
    EXPECT_EQ(watch.next(bench::Clock::now() + 200ms).window, xcb_window_t(XCB_NONE));

    Client program(display.name());
    program.map(true); // a menu first
    const xcb_window_t main = program.map(false);
    const xcb_window_t second = program.map(false);
    const auto before = bench::Clock::now();
    const auto found = watch.next(before + 5s);
    EXPECT_EQ(found.window, main);
    EXPECT_GE(found.at, before);
    // The next one is still there for the next call.
    EXPECT_EQ(watch.next(bench::Clock::now() + 5s).window, second);
}

TEST(EnvironmentFor, SetsTheDisplayAndHomeAndReplacesEntriesOfTheSameName)
{
    ::setenv("QUILLMERE_PROBE", "kept", 1);
    ::setenv("DISPLAY", ":99", 1);
    const auto env = bench::environmentFor(":5", "/tmp/h", {"QUILLMERE_PROBE=new"});
    auto count = [&](const std::string &entry) { return std::count(env.begin(), env.end(), entry); };
    EXPECT_EQ(count("DISPLAY=:5"), 1);
    EXPECT_EQ(count("DISPLAY=:99"), 0);
    EXPECT_EQ(count("HOME=/tmp/h"), 1);
    EXPECT_EQ(count("XDG_CONFIG_HOME=/tmp/h/.config"), 1);
    EXPECT_EQ(count("QUILLMERE_PROBE=new"), 1);
    EXPECT_EQ(count("QUILLMERE_PROBE=kept"), 0);
}

} // namespace
