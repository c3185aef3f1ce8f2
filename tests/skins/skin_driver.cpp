// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the program's start-up (or one ApplySkin call) in a process of its own, then ends at once,
// so tests can watch what happens in the executable's folder.
//
//   skin_driver start     opens the MainWindow as the program does, reports, exits 0
//   skin_driver apply N   calls ApplySkin(N), reports, exits 0
//   skin_driver look N    opens the MainWindow, then attaches skin N and keeps running (to look at it)
//
// A message box (the fatal-error report) is printed as "box: <text>" and closed.
#include "app/main_window.h"
#include "app/startup.h"
#include "skins/skins.h"
#include "support/show_catcher.h"
#include "ui/runtime.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = app::createApplication(argc, argv);
    testsupport::ShowCatcher<QMessageBox> boxes([](QMessageBox *box) {
        std::printf("box: %s\n", box->text().toUtf8().constData());
        std::fflush(stdout);
        box->done(0);
    });
    const QStringList args = QApplication::arguments();
    app::MainWindow mainWindow;
    ui::UiRuntime rt;
    if (args.value(1) == u"start"_s) {
        rt.openWindow(mainWindow.definition(), false);
        std::printf("editor=%lld\n", rt.getEditorByteLength(mainWindow.session().editor()));
    } else if (args.value(1) == u"apply"_s && args.size() == 3) {
        skins::applySkin(rt, args[2].toInt());
    } else if (args.value(1) == u"look"_s && args.size() == 3) {
        rt.openWindow(mainWindow.definition(), false);
        skins::applySkin(rt, args[2].toInt());
        return rt.run();
    } else {
        std::fputs("usage: skin_driver start | apply N | look N\n", stderr);
        return 2;
    }
    std::printf("window=%s\n", QApplication::palette().color(QPalette::Window).name().toUtf8().constData());
    std::fflush(stdout);
    // Leave without the exit check's question: the test only cares about the start.
    std::_Exit(0);
}
