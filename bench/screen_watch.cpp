// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_watch.h"

#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <poll.h>

namespace bench {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

} // namespace

std::vector<Rect> changedBands(const Pixels &before, const Pixels &after)
{
    std::vector<Rect> bands;
    if (before.width != after.width || before.height != after.height)
        return bands;
    const int w = before.width;
    Rect band;
    int right = 0;
    auto close = [&] {
        if (!band.empty()) {
            band.width = right - band.x;
            bands.push_back(band);
        }
        band = {};
    };
    for (int y = 0; y < before.height; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < w; ++x)
            if (before.data[size_t(y) * w + x] != after.data[size_t(y) * w + x]) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0) {
            close();
            continue;
        }
        if (band.empty()) {
            band = {first, y, 1, 1};
            right = last + 1;
        } else {
            right = std::max(right, last + 1);
            band.x = std::min(band.x, first);
            band.height = y - band.y + 1;
        }
    }
    close();
    return bands;
}

std::optional<Rect> characterArea(const Pixels &before, const Pixels &after, int margin)
{
    const auto bands = changedBands(before, after);
    if (bands.empty())
        return std::nullopt;
    Rect r = bands.front();
    const int left = std::max(0, r.x - margin), right = std::min(before.width, r.x + r.width + margin);
    return Rect{left, r.y, right - left, r.height};
}

ScreenWatch::ScreenWatch(const std::string &display)
{
    xcb_connection_t *c = xcb_connect(display.c_str(), nullptr);
    if (display.empty() || xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        problem_ = "no X display";
        return;
    }
    connection_ = c;
    const xcb_setup_t *setup = xcb_get_setup(c);
    root_ = xcb_setup_roots_iterator(setup).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    const xcb_query_extension_reply_t *test = xcb_get_extension_data(c, &xcb_test_id);
    if (!damage || !damage->present || !test || !test->present) {
        problem_ = "the X server lacks the DAMAGE or XTEST extension";
        return;
    }
    damageEvent_ = damage->first_event;
    // The extension answers nothing before its version has been asked.
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    damage_ = xcb_generate_id(c);
    // Raw rectangles: every drawing is reported, not only what grows the damaged region.
    xcb_damage_create(c, damage_, root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);

    firstKeycode_ = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    if (auto map = owned(xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, firstKeycode_, uint8_t(count)), nullptr))) {
        keysymsPerCode_ = map->keysyms_per_keycode;
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map.get());
        keysyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map.get()));
    }
    xcb_flush(c);
}

ScreenWatch::~ScreenWatch()
{
    if (connection_)
        xcb_disconnect(connection_);
}

Rect ScreenWatch::geometry(xcb_window_t window)
{
    auto g = owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    auto t = owned(xcb_translate_coordinates_reply(connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    if (!g || !t)
        return {};
    return {t->dst_x, t->dst_y, g->width, g->height};
}

Pixels ScreenWatch::grab(const Rect &area)
{
    Pixels p;
    auto image = owned(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(area.x), int16_t(area.y),
                      uint16_t(area.width), uint16_t(area.height), ~0u),
        nullptr));
    // A 24-bit screen's pixels come as 32 bits each; the top byte means nothing.
    if (!image || xcb_get_image_data_length(image.get()) != area.width * area.height * 4)
        return p;
    p.width = area.width;
    p.height = area.height;
    const auto *words = reinterpret_cast<const uint32_t *>(xcb_get_image_data(image.get()));
    p.data.resize(size_t(area.width) * size_t(area.height));
    std::transform(words, words + p.data.size(), p.data.begin(), [](uint32_t v) { return v & 0xffffffu; });
    return p;
}

void ScreenWatch::focus(xcb_window_t window)
{
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

void ScreenWatch::click(int x, int y)
{
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, int16_t(x), int16_t(y), 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection_);
}

xcb_keycode_t ScreenWatch::keycodeOf(uint32_t keysym) const
{
    for (size_t i = 0; keysymsPerCode_ > 0 && i < keysyms_.size(); i += size_t(keysymsPerCode_))
        if (keysyms_[i] == keysym)
            return xcb_keycode_t(firstKeycode_ + i / size_t(keysymsPerCode_));
    return 0;
}

bool ScreenWatch::typeKey(uint32_t keysym, const std::vector<uint32_t> &modifiers)
{
    std::vector<xcb_keycode_t> held;
    for (uint32_t m : modifiers)
        held.push_back(keycodeOf(m));
    const xcb_keycode_t key = keycodeOf(keysym);
    if (!connection_ || key == 0 || std::count(held.begin(), held.end(), 0))
        return false;
    for (auto k : held)
        xcb_test_fake_input(connection_, XCB_KEY_PRESS, k, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    for (auto k = held.rbegin(); k != held.rend(); ++k)
        xcb_test_fake_input(connection_, XCB_KEY_RELEASE, *k, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection_);
    return true;
}

bool ScreenWatch::drawnInside(const Rect &area)
{
    bool inside = false;
    while (xcb_generic_event_t *e = xcb_poll_for_event(connection_)) {
        if ((e->response_type & 0x7f) == damageEvent_ + XCB_DAMAGE_NOTIFY) {
            const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(e);
            const Rect drawn{d->area.x, d->area.y, d->area.width, d->area.height};
            inside = inside || drawn.intersects(area);
        }
        std::free(e);
    }
    return inside;
}

bool ScreenWatch::awaitEvents(Clock::time_point until)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
    if (left <= 0 || !connection_ || xcb_connection_has_error(connection_))
        return false;
    pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
    ::poll(&p, 1, int(std::min<long long>(left, 1000)));
    return true;
}

std::optional<Clock::time_point> ScreenWatch::waitFor(const Rect &area, const std::function<bool(const Pixels &)> &done,
                                                      Clock::time_point deadline)
{
    xcb_flush(connection_);
    do {
        // Timed as the report is read: reading the pixels back comes after and is not counted.
        const auto seen = Clock::now();
        if (drawnInside(area) && done(grab(area)))
            return seen;
    } while (awaitEvents(deadline));
    return std::nullopt;
}

bool ScreenWatch::waitForQuiet(const Rect &area, Clock::duration quiet, Clock::time_point deadline)
{
    xcb_flush(connection_);
    auto last = Clock::now();
    while (Clock::now() - last < quiet) {
        if (drawnInside(area))
            last = Clock::now();
        if (!awaitEvents(std::min(deadline, last + quiet)) && Clock::now() >= deadline)
            return Clock::now() - last >= quiet;
    }
    return true;
}

} // namespace bench
