// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "instance_link.h"
#include "startup.h"
#include "windows.h"

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
        // A program already running for this user and display opens the files.
        if (app::InstanceLink::handOver(line.files))
            return 0;
        document::RecoveryStore recoveryStore; // this process's lock, held until it ends
        app::Windows windows(&recoveryStore); // outlives the runtime, whose windows' handlers use it
        ui::UiRuntime rt;
        app::InstanceLink link;
        link.listen([&](const QStringList &files) { windows.open(rt, files); });
        windows.open(rt, line.files);
        result = rt.run();
    }
    app::awaitPooledThreads();
    return result;
}
