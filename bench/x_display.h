// SPDX-License-Identifier: GPL-3.0-or-later
// Programs run as a user runs them, on a virtual X display: the Xvfb server started for the run,
// the processes started on it, and their top-level windows found as the server maps them.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

/// An Xvfb server on a display of its own (the server picks a free one), stopped with the object.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    /// ":N", or empty when no server could be started (Xvfb missing or refused).
    const std::string &name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

/// This process's environment for a program shown on the display: DISPLAY and
/// QT_QPA_PLATFORM=xcb set; with a home given, HOME and XDG_CONFIG_HOME (home/.config) too;
/// then the extra NAME=VALUE entries, which replace any of the same name.
std::vector<std::string> environmentFor(const std::string &display, const std::string &home,
                                        const std::vector<std::string> &extra = {});

/// Starts the program (looked up on PATH) with its output discarded; -1 when it cannot start.
pid_t spawnProgram(const std::vector<std::string> &args, const std::vector<std::string> &env);
/// Kills the process and waits for it.
void endProgram(pid_t pid);

/// Finds top-level windows as they are mapped: the root window's structure events from the
/// moment the object exists, on a connection of its own.
class TopLevelWatch {
public:
    explicit TopLevelWatch(const std::string &display);
    ~TopLevelWatch();
    TopLevelWatch(const TopLevelWatch &) = delete;
    TopLevelWatch &operator=(const TopLevelWatch &) = delete;

    bool connected() const { return connection_ != nullptr; }

    struct Mapped {
        xcb_window_t window = XCB_NONE; // none when nothing was mapped before the deadline
        Clock::time_point at;           // when the map was seen
    };
    /// The next top-level window mapped, menus and tooltips (override-redirect) passed over.
    Mapped next(Clock::time_point deadline);

private:
    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
};

} // namespace bench
