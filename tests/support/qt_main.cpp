// SPDX-License-Identifier: GPL-3.0-or-later
// Test main: a QApplication on the offscreen platform, then every GoogleTest case.
#include "app/startup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A state folder of its own: no recovery copy left by one test is ever offered in another.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    ::testing::InitGoogleTest(&argc, argv);
    auto application = app::createApplication(argc, argv);
    const int result = RUN_ALL_TESTS();
    application.reset();
    app::awaitPooledThreads();
    return result;
}
