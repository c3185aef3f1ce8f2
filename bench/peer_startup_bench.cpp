// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up against a peer editor, as a user sees it: each program started as a process of its
// own on the same virtual X display (an Xvfb server started for the run), timed from exec until
// its first top-level window is mapped (Geany), or until the MainWindow has been mapped and
// painted (this program, which ends itself once painted: a stricter finish line).
#include "peer_startup_bench.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "document/session.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

pid_t xvfbPid = -1;
std::string display; // ":N" once the server runs

void stopXvfb()
{
    if (xvfbPid > 0) {
        ::kill(xvfbPid, SIGTERM);
        ::waitpid(xvfbPid, nullptr, 0);
        xvfbPid = -1;
    }
}

/// Starts Xvfb on a free display (it writes the number it took to a pipe); empty when it cannot.
const std::string &xDisplay()
{
    static bool tried = false;
    if (tried)
        return display;
    tried = true;
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    int fds[2];
    if (xvfb.isEmpty() || ::pipe(fds) != 0)
        return display;
    const std::string path = xvfb.toStdString(), fd = std::to_string(fds[1]);
    std::vector<std::string> args{path, "-displayfd", fd, "-screen", "0", "1280x800x24", "-nolisten", "tcp"};
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int rc = ::posix_spawn(&xvfbPid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        xvfbPid = -1;
        ::close(fds[0]);
        return display;
    }
    std::string number;
    char c;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (number.empty())
        stopXvfb();
    else
        display = ":" + number;
    std::atexit(stopXvfb);
    return display;
}

/// The environment with DISPLAY (and, when given, HOME) replaced.
std::vector<std::string> environmentFor(const std::string &home)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("DISPLAY=", 0) == 0 || v.rfind("QT_QPA_PLATFORM=", 0) == 0 ||
            (!home.empty() && (v.rfind("HOME=", 0) == 0 || v.rfind("XDG_CONFIG_HOME=", 0) == 0)))
            continue;
        env.push_back(v);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    if (!home.empty()) {
        env.push_back("HOME=" + home);
        env.push_back("XDG_CONFIG_HOME=" + home + "/.config");
    }
    return env;
}

pid_t spawn(const std::vector<std::string> &args, const std::vector<std::string> &env)
{
    std::vector<std::string> a = args, e = env;
    std::vector<char *> argv, envp;
    for (auto &s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    for (auto &s : e)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, a[0].c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

/// Seconds from starting the program until a top-level window of the display is mapped; -1 when
/// none is within 30 s. The program is ended afterwards.
double secondsToFirstMap(const std::vector<std::string> &args, const std::string &home)
{
    xcb_connection_t *c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return -1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    const auto start = Clock::now();
    const pid_t pid = spawn(args, environmentFor(home));
    double seconds = -1;
    while (pid > 0 && seconds < 0 && Clock::now() - start < std::chrono::seconds(30)) {
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&p, 1, 100);
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (m->event == root && !m->override_redirect && seconds < 0)
                    seconds = std::chrono::duration<double>(Clock::now() - start).count();
            }
            std::free(e);
        }
    }
    if (pid > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(c);
    return seconds;
}

/// Seconds from starting the program until it ends by itself with 0; -1 otherwise.
double secondsToExit(const std::vector<std::string> &args)
{
    const auto start = Clock::now();
    const pid_t pid = spawn(args, environmentFor({}));
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

bool geanyAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("geany")).isEmpty(); }

void GeanyStartUp(benchmark::State &state)
{
    if (!geanyAvailable()) {
        state.SkipWithError("geany is not installed");
        return;
    }
    if (xDisplay().empty()) {
        state.SkipWithError("no Xvfb to run it on");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir home; // a fresh home and configuration each time
        const double s = secondsToFirstMap({"geany", "--no-session", "--no-plugins", "--new-instance", "--config",
                                            QDir(home.path()).filePath(QStringLiteral("geany")).toStdString()},
                                           home.path().toStdString());
        if (s < 0) {
            state.SkipWithError("geany showed no window");
            return;
        }
        state.SetIterationTime(s);
    }
}

void StartUpOnDisplay(benchmark::State &state, const std::string &self)
{
    if (xDisplay().empty()) {
        state.SkipWithError("no Xvfb to run it on");
        return;
    }
    for (auto _ : state) {
        const double s = secondsToExit({self, "--probe-startup-exposed"});
        if (s < 0) {
            state.SkipWithError("the start-up probe failed");
            return;
        }
        state.SetIterationTime(s);
    }
}

int probeStartUpExposed(int argc, char **argv)
{
    auto application = app::createApplication(argc, argv);
    app::MainWindow mainWindow;
    ui::UiRuntime rt;
    rt.openWindow(mainWindow.definition(), false);
    QWidget *window = ui::testing::widget(rt, {app::MainWindowName, {}});
    if (!QTest::qWaitForWindowExposed(window))
        std::_Exit(1);
    window->repaint();
    QCoreApplication::processEvents();
    std::_Exit(rt.getEditorByteLength(mainWindow.session().editor()) > 0 ? 0 : 1);
}

} // namespace bench
