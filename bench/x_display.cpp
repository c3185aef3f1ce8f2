// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace bench {
namespace {

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> out;
    for (auto &s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

bool startsWithName(const std::string &entry, const std::string &nameAndEquals)
{
    return entry.rfind(nameAndEquals, 0) == 0;
}

} // namespace

VirtualDisplay::VirtualDisplay()
{
    int fds[2];
    if (::pipe(fds) != 0)
        return;
    // The server writes the display number it took to the pipe once it accepts connections.
    std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x800x24",
                                  "-nolisten", "tcp",
                                  // kept as it is when the last program leaves, ready for the next
                                  "-noreset"};
    auto argv = pointers(args);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int rc = ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        pid_ = -1;
        ::close(fds[0]);
        return;
    }
    std::string number;
    char c;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (number.empty())
        endProgram(std::exchange(pid_, -1));
    else
        name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::vector<std::string> environmentFor(const std::string &display, const std::string &home,
                                        const std::vector<std::string> &extra)
{
    std::vector<std::string> set{"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"};
    if (!home.empty()) {
        set.push_back("HOME=" + home);
        set.push_back("XDG_CONFIG_HOME=" + home + "/.config");
    }
    set.insert(set.end(), extra.begin(), extra.end());
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const auto &s : set)
            replaced = replaced || startsWithName(entry, s.substr(0, s.find('=') + 1));
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), set.begin(), set.end());
    return env;
}

pid_t spawnProgram(const std::vector<std::string> &args, const std::vector<std::string> &env)
{
    std::vector<std::string> a = args, e = env;
    auto argv = pointers(a), envp = pointers(e);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // PATH is looked up in this process's environment, as posix_spawnp does.
    pid_t pid = -1;
    if (::posix_spawnp(&pid, a[0].c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void endProgram(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

TopLevelWatch::TopLevelWatch(const std::string &display)
{
    xcb_connection_t *c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    connection_ = c;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::free(xcb_request_check(c, xcb_change_window_attributes_checked(c, root_, XCB_CW_EVENT_MASK, &mask)));
}

TopLevelWatch::~TopLevelWatch()
{
    if (connection_)
        xcb_disconnect(connection_);
}

TopLevelWatch::Mapped TopLevelWatch::next(Clock::time_point deadline)
{
    Mapped found;
    while (connection_ && found.window == XCB_NONE) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(connection_)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && found.window == XCB_NONE) {
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (m->event == root_ && !m->override_redirect)
                    found = {m->window, Clock::now()};
            }
            std::free(e);
            if (found.window != XCB_NONE)
                return found; // later events stay queued for the next call
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&p, 1, int(std::min<long long>(left, 100)));
    }
    return found;
}

} // namespace bench
