// SPDX-License-Identifier: GPL-3.0-or-later
// Running the program itself from a test, as a user starts it.
#pragma once

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace testsupport {

struct Finished {
    int status; // the exit code; -1 when it crashed or did not end in time
    QByteArray out, err;
};

/// Runs the program with the arguments, in the environment and working folder given, and waits
/// for its end while serving this process's events: the program may be talking to this one.
inline Finished runProgram(const QString &program, const QStringList &args, const QProcessEnvironment &env,
                           const QString &folder = {})
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(program, args);
    const bool ended = QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 30000);
    EXPECT_TRUE(ended) << program.toStdString() << " did not end";
    if (!ended) {
        p.kill();
        p.waitForFinished();
    }
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace testsupport
