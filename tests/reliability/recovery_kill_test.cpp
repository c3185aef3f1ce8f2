// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a virtual display, typed into through the X server and killed with SIGKILL
// at random moments, on a small page and on one large enough that the kill often falls while
// the copy is being written. What its recovery copy holds afterwards is exactly the text typed up
// to some moment within the last 2 seconds; started again, the program offers it; a second
// program running beside the first never offers the first's copy.
#include "document/recovery_store.h"
#include "screen_watch.h"
#include "support/files.h"
#include "x_display.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <thread>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using namespace testsupport;
using bench::Clock;

namespace {

/// One program started on the display with a home and a state folder of its own.
class Program {
public:
    Program(const bench::VirtualDisplay &display, const QTemporaryDir &home, const QString &file)
    {
        const std::string h = home.path().toStdString();
        // The caret does not blink, so that a change on the screen is the key's.
        QDir().mkpath(home.filePath(u".config"_s));
        putContent(home.filePath(u".config/kdeglobals"_s), "[KDE]\nCursorBlinkRate=0\n");
        const auto env = bench::environmentFor(display.name(), h,
                                               {"XDG_STATE_HOME=" + h + "/state", "QT_QPA_PLATFORMTHEME=kde",
                                                "KDE_SESSION_VERSION=5", "DBUS_SESSION_BUS_ADDRESS=disabled:", "NO_AT_BRIDGE=1",
                                                // A temporary folder of its own holds its link to later starts, so
                                                // that two programs run side by side instead of one handing over.
                                                "TMPDIR=" + tmp_.path().toStdString()});
        pid_ = bench::spawnProgram({QUILLMERE_FILE, file.toStdString()}, env);
    }
    ~Program() { kill(); }
    bool started() const { return pid_ > 0; }
    void kill()
    {
        bench::endProgram(pid_);
        pid_ = -1;
    }

private:
    QTemporaryDir tmp_;
    pid_t pid_ = -1;
};

QString stateFolder(const QTemporaryDir &home) { return home.filePath(u"state/quillmere/recovery"_s); }

/// Waits for the window to settle and puts the caret in its text with a click (as a user would).
void focusEditor(bench::ScreenWatch &screen, xcb_window_t window, const bench::Rect &area)
{
    screen.waitForQuiet(area, 500ms, Clock::now() + 30s);
    screen.focus(window);
    screen.click(area.x + area.width / 2, area.y + area.height / 2);
    screen.typeKey(0xff50 /* Home */, {0xffe3 /* Control_L */}); // the caret before the text
    screen.waitForQuiet(area, 300ms, Clock::now() + 10s);
}

/// The copies in the folder, as the program would offer them after its owner is gone.
std::vector<document::OrphanCopy> copiesIn(const QString &folder)
{
    return document::RecoveryStore(folder).orphans();
}

} // namespace

TEST(RecoveryAfterKill, TheCopyHoldsWhatWasTypedUpToTheLastTwoSeconds)
{
    bench::VirtualDisplay display;
    if (display.name().empty())
        GTEST_SKIP() << "no virtual X display (Xvfb) can be started here";
    std::mt19937 rng(std::random_device{}());
    struct Case {
        const char *what;
        QByteArray start;
        bool whileWriting; // killed as soon as a copy is being written, else at a random moment
    };
    const QByteArray large = QByteArray("<p>line of the large page</p>\n").repeated(300000);
    const std::vector<Case> cases = {
        {"a small page", "<p>start</p>\n", false},
        {"a large page", large, false},
        {"a large page, killed while its copy is written", large, true},
        {"a small page, killed while its copy is written", "<td>cell</td>\n", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir home;
        const QString page = home.filePath(u"page.html"_s);
        putContent(page, c.start);
        bench::TopLevelWatch windows(display.name());
        bench::ScreenWatch screen(display.name());
        ASSERT_TRUE(screen.problem().empty()) << screen.problem();
        Program program(display, home, page);
        ASSERT_TRUE(program.started());
        const auto mapped = windows.next(Clock::now() + 60s);
        ASSERT_NE(mapped.window, uint32_t(XCB_NONE)) << "no window within 60 s";
        const bench::Rect area = screen.geometry(mapped.window);
        focusEditor(screen, mapped.window, area);

        // Keys until a random moment; each counted once the window has shown it.
        std::uniform_int_distribution<int> keyCount(15, 60), pauseMs(0, 120), letter('a', 'z');
        const int keys = keyCount(rng);
        QByteArray typed;
        std::vector<Clock::time_point> shownAt;
        for (int i = 0; i < keys; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs(rng)));
            const bench::Pixels before = screen.grab(area);
            const char key = char(letter(rng));
            ASSERT_TRUE(screen.typeKey(uint32_t(key)));
            const auto shown = screen.waitFor(area, [&](const bench::Pixels &p) { return p != before; }, Clock::now() + 10s);
            ASSERT_TRUE(shown) << "key " << i << " changed nothing within 10 s";
            typed.append(key);
            shownAt.push_back(*shown);
        }
        const auto writing = [&] { return !namesIn(stateFolder(home)).filter(u".part"_s).isEmpty(); };
        const auto until = Clock::now() + std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 2500)(rng));
        while (Clock::now() < until && !(c.whileWriting && writing()))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const bool midWrite = writing();
        const auto killedAt = Clock::now();
        program.kill();
        std::fprintf(stderr, "%s: %d keys, killed %s\n", c.what, int(typed.size()), midWrite ? "while writing" : "");

        // Everything shown 2 s before the kill is in the copy, nothing typed after it, in order.
        const qsizetype sure = std::ranges::count_if(shownAt, [&](auto t) { return t <= killedAt - 2s; });
        const auto copies = copiesIn(stateFolder(home));
        if (sure == 0 && copies.empty())
            continue; // killed before the first copy was due
        ASSERT_EQ(copies.size(), 1u) << sure << " keys were shown more than 2 s before the kill";
        const QByteArray buffer = document::RecoveryStore::read(copies[0].file)->buffer;
        ASSERT_TRUE(buffer.endsWith(c.start));
        const QByteArray kept = buffer.chopped(c.start.size());
        EXPECT_TRUE(typed.startsWith(kept)) << "kept \"" << kept.constData() << "\" of \"" << typed.constData() << '"';
        EXPECT_GE(kept.size(), sure) << "typed \"" << typed.constData() << '"';
        EXPECT_EQ(copies[0].header.path, page);
        EXPECT_EQ(contentOf(page), c.start) << "the file itself is untouched";
        std::fprintf(stderr, "  kept %d of %d keys, %d shown more than 2 s before the kill\n", int(kept.size()),
                     int(typed.size()), int(sure));

        // Started again, the program offers it over its window; the copy stays until answered.
        Program again(display, home, page);
        ASSERT_NE(windows.next(Clock::now() + 60s).window, uint32_t(XCB_NONE));
        EXPECT_NE(windows.next(Clock::now() + 30s).window, uint32_t(XCB_NONE)) << "no recovery window";
        again.kill();
        EXPECT_EQ(copiesIn(stateFolder(home)).size(), 1u);
        EXPECT_TRUE(namesIn(stateFolder(home)).filter(u".part"_s).isEmpty()) << "a part left by the kill is swept";
    }
}

// Two programs side by side: neither offers the other's copy while it runs.
TEST(RecoveryAfterKill, ARunningProgramsCopyIsNeverOffered)
{
    bench::VirtualDisplay display;
    if (display.name().empty())
        GTEST_SKIP() << "no virtual X display (Xvfb) can be started here";
    QTemporaryDir home;
    const QString page = home.filePath(u"page.html"_s);
    putContent(page, "<p>x</p>");
    bench::TopLevelWatch windows(display.name());
    bench::ScreenWatch screen(display.name());
    ASSERT_TRUE(screen.problem().empty()) << screen.problem();
    Program first(display, home, page);
    const auto mapped = windows.next(Clock::now() + 60s);
    ASSERT_NE(mapped.window, uint32_t(XCB_NONE));
    const bench::Rect area = screen.geometry(mapped.window);
    focusEditor(screen, mapped.window, area);
    ASSERT_TRUE(screen.typeKey('q'));
    std::this_thread::sleep_for(2500ms);
    ASSERT_EQ(namesIn(stateFolder(home)).filter(u".copy"_s).size(), 1) << "the first program keeps a copy";

    Program second(display, home, page);
    ASSERT_NE(windows.next(Clock::now() + 60s).window, uint32_t(XCB_NONE));
    EXPECT_EQ(windows.next(Clock::now() + 3s).window, uint32_t(XCB_NONE)) << "the second program offered the first's copy";
    second.kill();
    EXPECT_EQ(namesIn(stateFolder(home)).filter(u".copy"_s).size(), 1) << "and the copy is still the first's";
}
