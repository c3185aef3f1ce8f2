// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up against a peer editor, as a user sees it: each program started as a process of its
// own on the same virtual X display (an Xvfb server started for the run), timed from exec until
// its first top-level window is mapped (Geany), or until the MainWindow has been mapped and
// painted (this program, which ends itself once painted: a stricter finish line).
#include "peer_startup_bench.h"

#include "x_display.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "document/editor.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace bench {
namespace {

/// Seconds from starting the program until a top-level window of the display is mapped; -1 when
/// none is within 30 s. The program is ended afterwards.
double secondsToFirstMap(const std::string &display, const std::vector<std::string> &args, const std::string &home)
{
    TopLevelWatch windows(display);
    if (!windows.connected())
        return -1;
    const auto start = Clock::now();
    const pid_t pid = spawnProgram(args, environmentFor(display, home));
    const auto mapped = pid > 0 ? windows.next(start + std::chrono::seconds(30)) : TopLevelWatch::Mapped{};
    endProgram(pid);
    return mapped.window == XCB_NONE ? -1 : std::chrono::duration<double>(mapped.at - start).count();
}

/// Seconds from starting the program until it ends by itself with 0; -1 otherwise.
double secondsToExit(const std::string &display, const std::vector<std::string> &args)
{
    const auto start = Clock::now();
    const pid_t pid = spawnProgram(args, environmentFor(display, {}));
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

bool geanyAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("geany")).isEmpty(); }

void GeanyStartUp(benchmark::State &state, const std::string &display)
{
    if (!geanyAvailable()) {
        state.SkipWithError("geany is not installed");
        return;
    }
    if (display.empty()) {
        state.SkipWithError("no Xvfb to run it on");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir home; // a fresh home and configuration each time
        const double s = secondsToFirstMap(display,
                                           {"geany", "--no-session", "--no-plugins", "--new-instance", "--config",
                                            QDir(home.path()).filePath(QStringLiteral("geany")).toStdString()},
                                           home.path().toStdString());
        if (s < 0) {
            state.SkipWithError("geany showed no window");
            return;
        }
        state.SetIterationTime(s);
    }
}

void StartUpOnDisplay(benchmark::State &state, const std::string &display, const std::string &self)
{
    if (display.empty()) {
        state.SkipWithError("no Xvfb to run it on");
        return;
    }
    for (auto _ : state) {
        const double s = secondsToExit(display, {self, "--probe-startup-exposed"});
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
    ui::UiRuntime rt;
    rt.openWindow(app::mainWindowDefinition(), false);
    QWidget *window = ui::testing::widget(rt, {app::MainWindowName, {}});
    if (!QTest::qWaitForWindowExposed(window))
        std::_Exit(1);
    window->repaint();
    QCoreApplication::processEvents();
    std::_Exit(rt.getEditorByteLength(document::codeEditor()) > 0 ? 0 : 1);
}

} // namespace bench
