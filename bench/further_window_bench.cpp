// SPDX-License-Identifier: GPL-3.0-or-later
#include "further_window_bench.h"

#include "app/startup.h"
#include "app/windows.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {
namespace {

/// The process's proportional set size, in KiB: its private pages and its share of shared ones.
long pssKiB()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').front().toLong();
    return -1;
}

/// Events processed until the program is idle, as after a user's last action.
void idle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QTest::qWait(300); // the status notes' and colouring's timers
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int probeFurtherWindow(int argc, char **argv)
{
    auto application = app::createApplication(argc, argv);
    app::Windows windows;
    ui::UiRuntime rt;
    auto paintedIn = [&](auto open) {
        QElapsedTimer t;
        t.start();
        open();
        const auto &w = *windows.all().back();
        ui::testing::widget(rt, {w.session().window(), {}})->repaint();
        QCoreApplication::processEvents();
        return double(t.nsecsElapsed()) / 1e6;
    };
    const double first = paintedIn([&] { windows.open(rt, {}); });
    idle();
    const long before = pssKiB();
    const double further = paintedIn([&] { windows.openNew(rt); });
    idle();
    const long after = pssKiB();
    std::printf("%.3f %.3f %ld\n", first, further, after - before);
    std::fflush(stdout);
    std::_Exit(before > 0 && after > 0 ? 0 : 1);
}

FurtherWindow measureFurtherWindow(const std::string &self, int runs)
{
    std::vector<double> first, further, added;
    for (int i = 0; i < runs; ++i) {
        QProcess probe;
        probe.start(QString::fromStdString(self), {QStringLiteral("--probe-further-window")});
        if (!probe.waitForFinished(120000) || probe.exitCode() != 0)
            continue;
        const QList<QByteArray> f = probe.readAllStandardOutput().trimmed().split(' ');
        if (f.size() != 3)
            continue;
        first.push_back(f[0].toDouble());
        further.push_back(f[1].toDouble());
        added.push_back(f[2].toDouble() / 1024);
    }
    return {median(first), median(further), median(added)};
}

} // namespace bench
