// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "main_window.h"
#include "startup.h"

#include "ui/runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read first: --help, --version and a bad option are answered without a display.
    const app::CommandLine line = app::parseCommandLine(argc, argv);
    if (line.action != app::CommandLine::Action::Run)
        return app::answerCommandLine(line);
    int result = 0;
    {
        auto application = app::createApplication(argc, argv);
        document::RecoveryStore recoveryStore; // this process's lock, held until it ends
        app::MainWindow mainWindow(line.files, app::MainWindowName, &recoveryStore); // outlives the runtime
        ui::UiRuntime rt;
        rt.openWindow(mainWindow.definition(), false);
        result = rt.run();
    }
    app::awaitPooledThreads();
    return result;
}
