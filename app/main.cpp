// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"
#include "startup.h"

#include "ui/runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    auto application = app::createApplication(argc, argv);
    ui::UiRuntime rt;
    rt.openWindow(app::mainWindowDefinition(), false);
    return rt.run();
}
