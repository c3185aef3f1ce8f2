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
        ui::UiRuntime rt;
        rt.openWindow(app::mainWindowDefinition(line.files), false);
        result = rt.run();
    }
    app::awaitPooledThreads();
    return result;
}
