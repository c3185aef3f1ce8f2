// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_latency_bench.h"

#include <array>

#include "documents.h"
#include "peer_startup_bench.h"
#include "screen_watch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace bench {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t KeyX = 0x78, KeyBackSpace = 0xff08, KeyEnd = 0xff57, KeyControl = 0xffe3;
// The size this program's MainWindow is mapped at (without a window manager's frame), given to
// Geany too.
constexpr int WindowWidth = 694, WindowHeight = 577;
// The font this program's editor shows a document in where the face is installed (the interface's
// CJK face, 9 points), given to Geany too.
const char *const EditorFont = "Noto Sans CJK SC 9";
// Stands for the editor's fresh home at the start of an argument.
constexpr std::string_view HomeMark = "{home}";

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

/// Writes the editor's configuration under home; false when a file cannot be written.
bool writeFiles(const QString &home, const EditorLaunch &editor)
{
    for (const auto &[path, text] : editor.files) {
        const QString full = QDir(home).filePath(QString::fromStdString(path));
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        if (!f.open(QIODevice::WriteOnly) || f.write(text.data(), qint64(text.size())) != qint64(text.size()))
            return false;
    }
    return true;
}

/// The started editor, ended with the object.
struct Running {
    pid_t pid = -1;
    ~Running() { endProgram(pid); }
};

/// A generated page of about the size in UTF-8 (one character in five Chinese), which both
/// editors take for UTF-8 and colour as HTML.
std::string utf8Document(const QTemporaryDir &dir, qint64 bytes, int lineLength)
{
    const QString path = dir.filePath(QStringLiteral("page-%1-%2.html").arg(bytes).arg(lineLength));
    QFile f(path);
    if (!f.exists() && f.open(QIODevice::WriteOnly))
        f.write(makeDocument(bytes * 6 / 7, 17, lineLength).toUtf8()); // makeDocument counts GB18030's bytes
    return path.toStdString();
}

} // namespace

EditorLaunch quillmereLaunch(const std::string &program)
{
    // Qt takes the caret's flash time from the desktop's settings: KDE's, read from kdeglobals
    // in the configuration folder, say 0 (no blinking).
    return {"Quillmere",
            {program},
            {"QT_QPA_PLATFORMTHEME=kde", "KDE_SESSION_VERSION=5"},
            {{".config/kdeglobals", "[KDE]\nCursorBlinkRate=0\n"}}};
}

EditorLaunch geanyLaunch()
{
    const std::string conf = std::string("[geany]\n"
                                         "pref_main_load_session=false\n"
                                         "sidebar_visible=false\n"
                                         "msgwindow_visible=false\n"
                                         "auto_complete_symbols=false\n"
                                         "auto_close_xml_tags=false\n"
                                         "complete_snippets=false\n"
                                         "pref_main_save_wingeom=true\n"
                                         "editor_font=") +
                             EditorFont + "\ngeometry=0;0;" + std::to_string(WindowWidth) + ";" +
                             std::to_string(WindowHeight) + ";0;\n";
    return {"Geany",
            {"geany", "--no-session", "--no-plugins", "--new-instance", "--config", std::string(HomeMark) + "/geany"},
            {},
            {{"geany/geany.conf", conf}, {".config/gtk-3.0/settings.ini", "[Settings]\ngtk-cursor-blink=false\n"}}};
}

LatencySamples measureTyping(const std::string &display, const EditorLaunch &editor, const std::string &document,
                             int keys, double loadSeconds, double budgetSeconds)
{
    LatencySamples out;
    QTemporaryDir home; // a fresh home and configuration each time
    if (!home.isValid() || !writeFiles(home.path(), editor)) {
        out.why = "its configuration could not be written";
        return out;
    }
    ScreenWatch screen(display);
    TopLevelWatch windows(display);
    if (!screen.problem().empty() || !windows.connected()) {
        out.why = screen.problem().empty() ? "no X display" : screen.problem();
        return out;
    }
    std::vector<std::string> args = editor.args;
    for (auto &a : args)
        if (a.rfind(HomeMark, 0) == 0)
            a = home.path().toStdString() + a.substr(HomeMark.size());
    args.push_back(document);
    // No session bus named: a program that looked for one would start one through the display.
    // GTK's accessibility bridge stays off too, as Qt's is without a bus.
    std::vector<std::string> env = editor.env;
    env.push_back("DBUS_SESSION_BUS_ADDRESS=disabled:");
    env.push_back("NO_AT_BRIDGE=1");
    const auto start = Clock::now();
    const auto loaded = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(loadSeconds));
    Running running{spawnProgram(args, environmentFor(display, home.path().toStdString(), env))};
    if (running.pid <= 0) {
        out.why = "it could not be started";
        return out;
    }
    const auto mapped = windows.next(loaded);
    if (mapped.window == XCB_NONE) {
        out.why = "it showed no window within " + std::to_string(int(loadSeconds)) + " s";
        return out;
    }
    const Rect window = screen.geometry(mapped.window);
    screen.waitForQuiet(window, 300ms, loaded);
    // A click in the middle of the window puts the caret in the text; the document is shown once
    // the caret can be sent to its end, which changes the window.
    screen.focus(mapped.window);
    screen.click(window.x + window.width / 2, window.y + window.height / 2);
    screen.typeKey(KeyEnd, {KeyControl});
    if (!screen.waitFor(window, [](const Pixels &) { return true; }, loaded) || !screen.waitForQuiet(window, 500ms, loaded)) {
        out.why = "it could not load the document within " + std::to_string(int(loadSeconds)) + " s";
        return out;
    }
    // A first change settles what shows the document as modified; then one keystroke shows
    // where the character appears.
    const auto typeAndSettle = [&](uint32_t key) {
        const Pixels shown = screen.grab(window);
        screen.typeKey(key);
        return screen.waitFor(window, [&](const Pixels &p) { return p != shown; }, Clock::now() + 30s) &&
               screen.waitForQuiet(window, 300ms, Clock::now() + 30s);
    };
    typeAndSettle(KeyX);
    typeAndSettle(KeyBackSpace);
    const Pixels idle = screen.grab(window);
    const bool typed = typeAndSettle(KeyX);
    const auto area = characterArea(idle, screen.grab(window), 16);
    if (!typed || !area || !typeAndSettle(KeyBackSpace)) {
        out.why = "a typed character changed nothing on the screen within 30 s";
        return out;
    }
    const Rect at{window.x + area->x, window.y + area->y, area->width, area->height};
    const Pixels before = screen.grab(at);
    // A blinking caret would change the same pixels.
    if (screen.waitFor(at, [&](const Pixels &p) { return p != before; }, Clock::now() + 1200ms)) {
        out.why = "its caret still blinks";
        return out;
    }
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pauseMs(40, 120);
    const auto budget = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(budgetSeconds));
    for (int i = 0; i < keys; ++i) {
        if (Clock::now() > budget) {
            out.why = "the budget of " + std::to_string(int(budgetSeconds)) + " s ran out after " +
                      std::to_string(out.ms.size()) + " keys";
            break;
        }
        const auto pause = std::chrono::milliseconds(pauseMs(rng));
        screen.waitForQuiet(window, pause, Clock::now() + pause + 10s);
        const Pixels shown = screen.grab(at);
        const auto pressed = Clock::now();
        screen.typeKey(KeyX);
        const auto changed = screen.waitFor(at, [&](const Pixels &p) { return p != shown; }, pressed + 10s);
        if (!changed) {
            out.why = "a key changed nothing within 10 s";
            break;
        }
        out.ms.push_back(msBetween(pressed, *changed));
        screen.typeKey(KeyBackSpace);
        if (!screen.waitFor(at, [&](const Pixels &p) { return p == shown; }, Clock::now() + 10s)) {
            out.why = "BackSpace did not bring back what was shown";
            break;
        }
    }
    return out;
}

double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return -1;
    std::sort(samples.begin(), samples.end());
    const auto rank = size_t(std::ceil(p * double(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

std::vector<LatencyRow> typingLatencyRows(const VirtualDisplay &display, const std::string &program, bool quick)
{
    std::vector<LatencyRow> rows;
    const int keys = quick ? 100 : 300;
    const EditorLaunch ours = quillmereLaunch(program), peer = geanyLaunch();
    const bool peerInstalled = geanyAvailable();
    QTemporaryDir dir;
    struct Case {
        const char *label;
        qint64 bytes;
        int lineLength; // as makeDocument takes it: -1 lines of 40 to 120 characters, 0 one line
    };
    for (const Case &c : {Case{"1 KB", 1024, -1}, Case{"10 MB", 10 << 20, -1}, Case{"1 MB line", 1 << 20, 0}}) {
        const std::string file = utf8Document(dir, c.bytes, c.lineLength);
        const LatencySamples mine = display.name().empty() ? LatencySamples{{}, "no Xvfb to run it on"}
                                                           : measureTyping(display.name(), ours, file, keys);
        const LatencySamples theirs = !peerInstalled          ? LatencySamples{{}, "geany is not installed"}
                                      : display.name().empty() ? LatencySamples{{}, "no Xvfb to run it on"}
                                                               : measureTyping(display.name(), peer, file, keys);
        for (const auto &[name, p] : {std::pair{"median", 0.5}, std::pair{"p95", 0.95}}) {
            LatencyRow row{std::string("1 key-to-pixel ") + name + ", " + c.label + " vs Geany"};
            row.figureMs = percentile(mine.ms, p);
            row.baselineMs = percentile(theirs.ms, p);
            if (mine.ms.empty())
                row.note = "not measured: ours: " + mine.why;
            else if (theirs.ms.empty())
                row.note = "ours alone: Geany: " + theirs.why;
            else if (!mine.why.empty() || !theirs.why.empty())
                row.note = "(" + std::to_string(mine.ms.size()) + " vs " + std::to_string(theirs.ms.size()) + " keys)";
            rows.push_back(row);
        }
    }
    return rows;
}

LatencyRow typingHelpLatencyRow(const VirtualDisplay &display, const std::string &program, bool quick)
{
    // Typing help must not slow typing: the same keys on the 1 KB page with it on and off.
    LatencyRow help{"1 key-to-pixel median, help on vs off", -1, -1, 1.1};
    if (display.name().empty()) {
        help.note = "not measured: no Xvfb to run it on";
        return help;
    }
    QTemporaryDir dir;
    const EditorLaunch on = quillmereLaunch(program);
    EditorLaunch off = on;
    off.env.push_back("QUILLMERE_TYPING_HELP=0");
    const std::string file = utf8Document(dir, 1024, -1);
    // In rounds that alternate which goes first, so that a machine busier for a while weighs on
    // both sides alike.
    const int rounds = quick ? 1 : 4, keys = 100;
    LatencySamples withHelp, without;
    for (int round = 0; round < rounds; ++round) {
        for (bool helped : round % 2 ? std::array{false, true} : std::array{true, false}) {
            const LatencySamples taken = measureTyping(display.name(), helped ? on : off, file, keys);
            LatencySamples &into = helped ? withHelp : without;
            into.ms.insert(into.ms.end(), taken.ms.begin(), taken.ms.end());
            if (into.why.empty())
                into.why = taken.why;
        }
    }
    help.figureMs = percentile(withHelp.ms, 0.5);
    help.baselineMs = percentile(without.ms, 0.5);
    if (withHelp.ms.empty() || without.ms.empty())
        help.note = "not measured: " + (withHelp.ms.empty() ? withHelp.why : without.why);
    return help;
}

bool printTypingLatencyRows(const std::vector<LatencyRow> &rows)
{
    bool allHold = true;
    for (const auto &r : rows) {
        auto ms = [](double v) { return v > 0 ? QString::number(v, 'f', 3).toStdString() : std::string(); };
        const double ratio = r.figureMs > 0 && r.baselineMs > 0 ? r.figureMs / r.baselineMs : -1;
        const bool holds = ratio > 0 && ratio <= r.target;
        if (ratio > 0)
            allHold = allHold && holds;
        else
            allHold = allHold && (r.figureMs > 0 || r.note.rfind("not yet", 0) == 0);
        std::printf("%-38s %12s %12s %8s %8.2f  %s%s%s\n", r.what.c_str(), ms(r.figureMs).c_str(), ms(r.baselineMs).c_str(),
                    ratio > 0 ? QString::number(ratio, 'f', 2).toStdString().c_str() : "", r.target,
                    ratio > 0 ? (holds ? "yes" : "NO") : "", ratio > 0 && !r.note.empty() ? " " : "", r.note.c_str());
    }
    return allHold;
}

} // namespace bench
