// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's rows: its first F12, an update after one keystroke against starting over, and
// typing with the preview open. Each probe is a process of its own, since the browser engine
// starts once per process and stays.
#include "preview_bench.h"

#include "documents.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "document/preview_window.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace bench {
namespace {

constexpr qint64 FirstPageBytes = 100 * 1024, UpdatePageBytes = 1024 * 1024;
constexpr int WaitMilliseconds = 120000;
constexpr QRgb Magenta = 0xffff00ff, Green = 0xff00ff00, Changed = 0xff0f00ff; // #ff00ff with one key: #0f00ff

/// A generated page under a band of colour 40 pixels high.
QString page(qint64 bytes, const char *colour)
{
    return u"<html><head><title>bench</title></head><body style=\"margin:0\"><div style=\"height:40px;background:%1\"></div>"_s
               .arg(QLatin1StringView(colour)) +
           makeDocument(bytes, 5);
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

/// Milliseconds until the preview draws the colour at the top of the page; -1 when it never does.
double untilPainted(ui::UiRuntime &rt, QRgb colour, const QElapsedTimer &since)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < WaitMilliseconds) {
        QWidget *w = ui::testing::widget(rt, {document::PreviewWindowName, u"超文本浏览框1"_s});
        while (w && w->focusProxy())
            w = w->focusProxy();
        if (w && w->isVisible()) {
            const QImage drawn = w->grab().toImage();
            if (drawn.width() > 10 && drawn.height() > 10 && drawn.pixel(10, 10) == colour)
                return double(since.nsecsElapsed()) / 1e6;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return -1;
}

/// Waits until the preview's status line no longer says that a page is on its way; false when it
/// still does after the longest wait.
bool untilLoaded(ui::UiRuntime &rt)
{
    QElapsedTimer waited;
    waited.start();
    while (rt.getCaption({document::PreviewWindowName, u"标签1"_s}).contains(u"正在更新"_s)) {
        if (waited.elapsed() > WaitMilliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

double f12UntilPainted(ui::UiRuntime &rt, document::Session &s, QRgb colour)
{
    QElapsedTimer t;
    t.start();
    document::togglePreview(rt, s);
    return untilPainted(rt, colour, t);
}

double medianKeyClick(QWidget *editor)
{
    std::vector<double> ms;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(editor, Qt::Key_A);
        settle();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + 10, ms.end());
    return ms[10];
}

double median(std::vector<double> v)
{
    std::erase_if(v, [](double x) { return x < 0; });
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int probePreview(int argc, char **argv)
{
    const std::string mode = argv[2];
    const qint64 bytes = std::atoll(argv[3]);
    auto application = app::createApplication(argc, argv);
    ui::UiRuntime rt;
    app::MainWindow main;
    document::Session &s = main.session();
    rt.openWindow(main.definition(), false);
    settle();
    const ui::ControlRef &editor = s.editor();
    QWidget *editorWidget = ui::testing::widget(rt, editor);
    if (mode == "first") {
        rt.setEditorText(editor, page(bytes, "#ff00ff"));
        settle();
        std::printf("%.3f\n", f12UntilPainted(rt, s, Magenta));
    } else if (mode == "update" || mode == "update-loading") {
        // The engine started on a small page first: what is compared is the page's own work.
        rt.setEditorText(editor, page(0, "#00ff00"));
        const double warmUp = f12UntilPainted(rt, s, Green);
        document::togglePreview(rt, s);
        settle();
        rt.setEditorText(editor, page(bytes, "#ff00ff"));
        settle();
        double first = warmUp < 0 ? -1 : f12UntilPainted(rt, s, Magenta);
        // A user reads the page before changing it: "update" types once it has loaded, as its
        // status line says; "update-loading" at once, while the engine still parses it.
        if (mode == "update" && first >= 0 && !untilLoaded(rt))
            first = -1;
        const qint64 hash = rt.getEditorBuffer(editor).indexOf("#ff00ff");
        rt.selectEditorRange(editor, hash + 1, hash + 2);
        editorWidget->setFocus();
        QElapsedTimer t;
        t.start();
        QTest::keyClick(editorWidget, Qt::Key_0);
        const double update = first < 0 ? -1 : untilPainted(rt, Changed, t);
        std::printf("%.3f %.3f\n", first, update);
    } else {
        rt.setEditorText(editor, page(1024, "#ff00ff"));
        settle();
        editorWidget->setFocus();
        const double bare = medianKeyClick(editorWidget);
        rt.setEditorText(editor, page(bytes, "#ff00ff"));
        settle();
        const bool shown = f12UntilPainted(rt, s, Magenta) >= 0;
        editorWidget->activateWindow();
        editorWidget->setFocus();
        std::printf("%.3f %.3f\n", shown ? medianKeyClick(editorWidget) : -1, bare);
    }
    std::fflush(stdout);
    std::_Exit(0);
}

PreviewFigures measurePreview(const std::string &self, qint64 typingBytes, int runs)
{
    PreviewFigures f;
    const QString program = QString::fromStdString(self);
    if (!QFileInfo::exists(QFileInfo(program).absolutePath() + u"/quillmere-preview.so"_s)) {
        f.unavailable = u"the preview module is not built (Qt WebEngine is not installed)"_s;
        return f;
    }
    auto probe = [&](const char *mode, qint64 bytes) {
        QProcess p;
        p.start(program, {u"--probe-preview"_s, QString::fromLatin1(mode), QString::number(bytes)});
        const bool done = p.waitForFinished(4 * WaitMilliseconds);
        const QList<QByteArray> out = done ? p.readAllStandardOutput().simplified().split(' ') : QList<QByteArray>{};
        return std::pair(out.value(0, "-1").toDouble(), out.value(1, "-1").toDouble());
    };
    std::vector<double> first, warm, update, updateLoading, typing, bare;
    for (int i = 0; i < runs; ++i) {
        first.push_back(probe("first", FirstPageBytes).first);
        const auto [w, u] = probe("update", UpdatePageBytes);
        warm.push_back(w);
        update.push_back(u);
        updateLoading.push_back(probe("update-loading", UpdatePageBytes).second);
        const auto [t, b] = probe("typing", typingBytes);
        typing.push_back(t);
        bare.push_back(b);
    }
    f.firstF12 = median(first);
    f.firstWarm = median(warm);
    f.update = median(update);
    f.updateLoading = median(updateLoading);
    f.typing = median(typing);
    f.typingBare = median(bare);
    return f;
}

} // namespace bench
