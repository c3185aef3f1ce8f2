// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks: each target compares a figure with a baseline measured in the same run on the same
// machine, and the program ends with one table of figures, baselines, ratios and verdicts.
#include "documents.h"
#include "fresh_memory.h"
#include "dialog_bench.h"
#include "element_edit_bench.h"

#include "find_bench.h"

#include "encoding_bench.h"
#include "page_check_bench.h"

#include "further_window_bench.h"
#include "peer_startup_bench.h"
#include "typing_help_bench.h"
#include "typing_latency_bench.h"
#include "x_display.h"

#include "highlighting_bench.h"

#include "long_line_lexing_bench.h"

#include "preview_bench.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "core/files.h"
#include "document/editing.h"
#include "document/preview_window.h"
#include "document/session.h"
#include "document/lifecycle.h"
#include "document/recovery.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool quick = false; // smaller documents, for a fast look

qint64 mb(double n) { return qint64(n * 1024 * 1024); }
qint64 bigSize() { return quick ? mb(10) : mb(100); }

/// The MainWindow, opened once and reused with different documents.
struct OpenMainWindow {
    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
    OpenMainWindow()
    {
        rt.openWindow(main.definition(), false);
        QCoreApplication::processEvents();
    }
};

OpenMainWindow &opened()
{
    static auto *opened = new OpenMainWindow;
    return *opened;
}
ui::UiRuntime &runtime() { return opened().rt; }
document::Session &session() { return opened().main.session(); }

QsciScintilla *editorWidget()
{
    return qobject_cast<QsciScintilla *>(ui::testing::widget(runtime(), session().editor()));
}

/// The start of the character at the byte position: the caret never stands inside a character.
long characterStart(QsciScintilla *ed, long position)
{
    return ed->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER,
                             ed->SendScintilla(QsciScintillaBase::SCI_POSITIONBEFORE, position));
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

/// Loads a generated document of the given size once per size and puts the caret near its end.
void loadDocument(qint64 bytes, int lineLength = -1)
{
    static std::map<std::pair<qint64, int>, QString> cache;
    auto &text = cache[{bytes, lineLength}];
    if (text.isEmpty())
        text = bench::makeDocument(bytes, 7, lineLength);
    runtime().setEditorText(session().editor(), text);
    auto *ed = editorWidget();
    const long end = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, characterStart(ed, std::max(0L, end - 200)));
    ed->setFocus();
    settle();
}

// ---- 1. one keystroke ----------------------------------------------------------------------

void Keystroke(benchmark::State &state)
{
    loadDocument(state.range(0));
    auto *ed = editorWidget();
    for (auto _ : state) {
        QTest::keyClick(ed, Qt::Key_A);
        settle();
    }
}

// ---- 1j. typing with recovery copies kept -------------------------------------------------

/// Keys typed near the end at a typist's pace, one every 60 ms (the pauses not timed), with the
/// document's recovery copies kept (second argument 1) or not: the time each key takes, the
/// copies' work on this thread (following each change, handing the changes over each second)
/// and the writer thread's beside it included, since the timer runs in the timed part.
void TypingWithRecovery(benchmark::State &state)
{
    loadDocument(state.range(0));
    QTemporaryDir folder;
    std::unique_ptr<document::RecoveryStore> store;
    std::unique_ptr<document::Recovery> recovery;
    if (state.range(1)) {
        store = std::make_unique<document::RecoveryStore>(folder.path());
        recovery = std::make_unique<document::Recovery>(*store, session());
        recovery->start(runtime());
        recovery->writer()->waitIdle();
    }
    auto *ed = editorWidget();
    for (auto _ : state) {
        state.PauseTiming();
        QThread::msleep(60);
        state.ResumeTiming();
        QTest::keyClick(ed, Qt::Key_A);
        settle();
    }
    if (recovery)
        recovery->writer()->waitIdle();
}

// ---- 2. the status update alone ------------------------------------------------------------

void StatusUpdate(benchmark::State &state)
{
    loadDocument(state.range(0));
    auto &rt = runtime();
    rt.insertAtCaret(session().editor(), u"a"_s);
    for (auto _ : state)
        document::updateEditorStatus(rt, session());
}

// ---- 3. opening a large file ---------------------------------------------------------------

QString fileOfSize(qint64 bytes, int lineLength = -1)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"doc-%1-%2.html"_s.arg(bytes).arg(lineLength));
    if (!QFileInfo::exists(path)) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(core::textToBytes(bench::makeDocument(bytes, 11, lineLength)));
    }
    return path;
}

void OpenFile(benchmark::State &state)
{
    const QString path = fileOfSize(state.range(0), int(state.range(1)));
    auto &rt = runtime();
    auto *window = ui::testing::widget(rt, {app::MainWindowName, {}});
    for (auto _ : state) {
        bench::startWithFreshMemory(state);
        document::openFile(rt, session(), path);
        window->repaint();
        settle();
        state.PauseTiming();
        rt.setEditorText(session().editor(), {});
        settle();
        state.ResumeTiming();
    }
}

void ReadAndDecode(benchmark::State &state)
{
    const QString path = fileOfSize(state.range(0), int(state.range(1)));
    for (auto _ : state) {
        bench::startWithFreshMemory(state);
        // Read as opening reads: by the program's reader, into its kind of buffer.
        const QByteArray bytes = core::readFileBytes(path).bytes;
        QStringDecoder dec("GB18030");
        const QString text = dec(bytes);
        benchmark::DoNotOptimize(text.size());
    }
}

// ---- 4. saving a large document ------------------------------------------------------------

void SaveFile(benchmark::State &state)
{
    loadDocument(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.html"_s);
    for (auto _ : state) {
        bench::startWithFreshMemory(state);
        document::saveFile(runtime(), session(), path);
    }
}

void EncodeAndWrite(benchmark::State &state)
{
    const QString text = bench::makeDocument(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.html"_s);
    for (auto _ : state) {
        bench::startWithFreshMemory(state);
        QStringEncoder enc("GB18030");
        const QByteArray bytes = enc(text);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.flush();
        ::fsync(f.handle());
    }
}

// ---- 5. a multi-piece snippet in the middle ------------------------------------------------

void SnippetInMiddle(benchmark::State &state)
{
    loadDocument(state.range(0));
    auto &rt = runtime();
    auto *ed = editorWidget();
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                      characterStart(ed, ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2));
    auto *action = ui::testing::menuAction(rt, {app::MainWindowName, u"插入/表格/表格"_s});
    for (auto _ : state) {
        action->trigger();
        settle();
    }
}

// ---- 6. one long line ----------------------------------------------------------------------

void TypeAtLineEnd(benchmark::State &state)
{
    loadDocument(state.range(0), int(state.range(1)));
    auto *ed = editorWidget();
    ed->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    for (auto _ : state) {
        QTest::keyClick(ed, Qt::Key_A);
        settle();
    }
}

// ---- 7. start-up ---------------------------------------------------------------------------

// Start-up is measured as whole programs, from exec until the window has been painted: the
// bench program started again in a probe mode (see main) that paints and leaves at once.

std::string self; // this program's path

/// Runs this program with the arguments and waits for it; false when it did not end with 0.
bool runSelf(const std::vector<std::string> &args)
{
    std::vector<char *> argv{self.data()};
    std::vector<std::string> copies = args;
    for (auto &a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartUp(benchmark::State &state)
{
    for (auto _ : state)
        if (!runSelf({"--probe-startup"}))
            state.SkipWithError("the start-up probe failed");
}

void MinimalStartUp(benchmark::State &state)
{
    for (auto _ : state)
        if (!runSelf({"--probe-minimal-startup"}))
            state.SkipWithError("the minimal start-up probe failed");
}

/// The program's start-up: the MainWindow opened (skin applied, template written) and painted.
int probeStartUp(int argc, char **argv)
{
    auto application = app::createApplication(argc, argv);
    app::MainWindow mainWindow;
    ui::UiRuntime rt;
    rt.openWindow(mainWindow.definition(), false);
    ui::testing::widget(rt, {app::MainWindowName, {}})->repaint();
    settle();
    std::_Exit(rt.getEditorByteLength(mainWindow.session().editor()) > 0 ? 0 : 1);
}

/// A minimal Qt program: a main window with a QScintilla editor, shown and painted.
int probeMinimalStartUp(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow w;
    w.resize(694, 577);
    w.setCentralWidget(new QsciScintilla(&w));
    w.show();
    w.repaint();
    settle();
    std::_Exit(0);
}

// ---- peak memory of an open ----------------------------------------------------------------

/// A figure (KiB) from /proc/self/status, e.g. "VmRSS" or "VmHWM".
long statusKiB(const char *field)
{
    QFile f(u"/proc/self/status"_s);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

/// Peak resident memory added by opening the file (KiB), measured in a process of its own: the
/// peak is reset once the MainWindow is open, then read after the open.
int probeOpenMemory(int argc, char **argv, const QString &path)
{
    auto application = app::createApplication(argc, argv);
    auto &rt = runtime();
    settle();
    QFile reset(u"/proc/self/clear_refs"_s);
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        std::_Exit(1);
    reset.close();
    const long before = statusKiB("VmRSS");
    document::openFile(rt, session(), path);
    ui::testing::widget(rt, {app::MainWindowName, {}})->repaint();
    settle();
    std::printf("%ld\n", statusKiB("VmHWM") - before);
    std::fflush(stdout);
    std::_Exit(0);
}

long openPeakMemoryKiB(const QString &path)
{
    QProcess probe;
    probe.start(QString::fromStdString(self), {u"--probe-open-memory"_s, path});
    if (!probe.waitForFinished(600000) || probe.exitCode() != 0)
        return -1;
    return probe.readAllStandardOutput().trimmed().toLong();
}

// ---- the table -----------------------------------------------------------------------------

class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians; // seconds per iteration
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const auto &r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] =
                    r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    if (argc >= 2 && std::string(argv[1]) == "--probe-startup")
        return probeStartUp(argc, argv);
    if (argc >= 2 && std::string(argv[1]) == "--probe-minimal-startup")
        return probeMinimalStartUp(argc, argv);
    if (argc >= 3 && std::string(argv[1]) == "--probe-open-memory")
        return probeOpenMemory(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc >= 2 && std::string(argv[1]) == "--probe-startup-exposed")
        return bench::probeStartUpExposed(argc, argv);
    if (argc >= 4 && std::string(argv[1]) == "--probe-preview")
        return bench::probePreview(argc, argv);
    if (argc >= 2 && std::string(argv[1]) == "--probe-further-window")
        return bench::probeFurtherWindow(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--quick")
            quick = true;
    auto application = app::createApplication(argc, argv);
    const bench::VirtualDisplay display; // the programs run as a user runs them, for the rows against Geany
    const qint64 big = bigSize(), ten = quick ? mb(2) : mb(10), line = mb(1), longLine = mb(5);
    const int reps = 5;

    auto reg = [&](const char *name, auto fn) {
        return benchmark::RegisterBenchmark(name, fn)->Repetitions(reps)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
    };
    reg("Keystroke", Keystroke)->Arg(1024)->Arg(ten)->Arg(big)->Iterations(20);
    // About 6 s of typing each: the copy is taken some six times.
    reg("TypingWithRecovery", TypingWithRecovery)->Args({big, 0})->Args({big, 1})->Iterations(100)->Repetitions(3);
    reg("StatusUpdate", StatusUpdate)->Arg(1024)->Arg(big)->Iterations(200);
    reg("OpenFile", OpenFile)->Args({big, -1})->Iterations(1);
    reg("ReadAndDecode", ReadAndDecode)->Args({big, -1})->Iterations(1);
    reg("SaveFile", SaveFile)->Arg(big)->Iterations(1);
    reg("EncodeAndWrite", EncodeAndWrite)->Arg(big)->Iterations(1);
    reg("SnippetInMiddle", SnippetInMiddle)->Arg(10 * 1024)->Arg(big)->Iterations(20);
    // One line of 1 MB, and of 5 MB in a full run.
    for (qint64 size : quick ? std::vector<qint64>{line} : std::vector<qint64>{line, longLine}) {
        reg("OpenFile", OpenFile)->Args({size, 0})->Args({size, 100})->Iterations(1)->Repetitions(3);
        reg("TypeAtLineEnd", TypeAtLineEnd)->Args({size, 0})->Iterations(10)->Repetitions(3);
    }
    reg("TypeAtLineEnd", TypeAtLineEnd)->Args({4096, -1})->Iterations(20);
    reg("StartUp", StartUp)->Iterations(3);
    reg("MinimalStartUp", MinimalStartUp)->Iterations(3);
    reg("TagDialogOpenClose", [](benchmark::State &st) { bench::tagDialogOpenClose(st, runtime(), session()); })
        ->Iterations(20);
    reg("BareDialog", bench::bareDialog)->Iterations(20);
    reg("ElementEditInMiddle", [](benchmark::State &s) {
        bench::ElementEditInMiddle(s, runtime(), session(), [](qint64 bytes) { loadDocument(bytes); });
    })->Arg(10 * 1024)->Arg(big)->Iterations(20);

    // Typing help in the middle of the big document against the same in 1 KB.
    auto load = [](qint64 bytes) { loadDocument(bytes); };
    reg("ListAfterLessThan", [load](benchmark::State &s) { bench::ListAfterLessThan(s, runtime(), session(), load); })
        ->Arg(1024)->Arg(big)->Iterations(20);
    reg("EndTagAfterGreaterThan", [load](benchmark::State &s) { bench::EndTagAfterGreaterThan(s, runtime(), session(), load); })
        ->Arg(1024)->Arg(big)->Iterations(20);

    reg("FindLast", [](benchmark::State &s) { bench::findLast(s, runtime(), session()); })->Arg(big)->Iterations(5);
    reg("FindLastInMemory", bench::findLastInMemory)->Arg(big)->Iterations(5);
    reg("ReplaceAll", [](benchmark::State &s) { bench::replaceAllMatches(s, runtime(), session()); })->Arg(big)->Iterations(1)->Repetitions(3);
    reg("ReplaceAllInMemory", bench::replaceAllInMemory)->Arg(big)->Iterations(3)->Repetitions(3);
    // Searches that decode the text, a window at a time: the same in 10 KB and in the big document.
    reg("RegexFindNext", [](benchmark::State &s) { bench::findNextFromMiddle(s, u"f\\w*me\\b"_s, {.regex = true}); })
        ->Arg(10 * 1024)->Arg(big)->Iterations(200);
    reg("FoldedFindNext", [](benchmark::State &s) { bench::findNextFromMiddle(s, u"ärger"_s, {}); })
        ->Arg(10 * 1024)->Arg(big)->Iterations(200);
    reg("RegexReplaceOne", bench::replaceOneInMiddle)->Arg(10 * 1024)->Arg(big)->Iterations(200);

    auto *mainWindow = ui::testing::widget(runtime(), {app::MainWindowName, {}});
    reg("OpenUtf8File", [mainWindow](benchmark::State &s) { bench::openUtf8File(s, runtime(), session(), mainWindow, settle); })
        ->Arg(big)->Iterations(1);
    reg("ReadUtf8Bytes", bench::readUtf8Bytes)->Arg(big)->Iterations(1);
    reg("WriteUtf8Bytes", bench::writeUtf8Bytes)->Arg(big)->Iterations(1);
    reg("SaveUtf8File", [](benchmark::State &s) { bench::saveUtf8File(s, runtime(), session(), settle); })->Arg(big)->Iterations(1);
    reg("DetectUtf8", bench::detectUtf8)->Arg(big)->Iterations(1);
    reg("OpenBig5File", [mainWindow](benchmark::State &s) { bench::openBig5File(s, runtime(), session(), mainWindow, settle); })
        ->Arg(ten)->Iterations(1)->Repetitions(3);
    reg("ReadAndDecodeBig5", bench::readAndDecodeBig5)->Arg(ten)->Iterations(1)->Repetitions(3);
    // F7 on a 1 MB page: the list must fill within 2 s.
    reg("CheckPage", bench::checkPage)->Arg(line)->Iterations(1)->Repetitions(3);
    reg("ReadAndDecodePage", bench::readAndDecodePage)->Arg(line)->Iterations(1)->Repetitions(3);

    reg("StartUpOnDisplay", [&display](benchmark::State &st) { bench::StartUpOnDisplay(st, display.name(), self); })
        ->Iterations(3)->UseManualTime();
    reg("GeanyStartUp", [&display](benchmark::State &st) { bench::GeanyStartUp(st, display.name()); })
        ->Iterations(3)->UseManualTime();
    // Key-to-pixel latency against Geany: its own rows, with percentiles over hundreds of keys.
    std::vector<bench::LatencyRow> latencyRows;
    reg("TypingLatency", [&](benchmark::State &st) {
        for (auto _ : st) {
            const std::vector<bench::LatencyRow> rows = bench::typingLatencyRows(display, QUILLMERE_FILE, quick);
            latencyRows.insert(latencyRows.begin(), rows.begin(), rows.end());
        }
    })->Iterations(1)->Repetitions(1);
    // The same keys with typing help on and off: this program alone.
    reg("TypingHelpLatency", [&](benchmark::State &st) {
        for (auto _ : st) {
            latencyRows.push_back(bench::typingHelpLatencyRow(display, QUILLMERE_FILE, quick));
            // At once as well: the table comes after every other row.
            st.counters["on_ms"] = latencyRows.back().figureMs;
            st.counters["off_ms"] = latencyRows.back().baselineMs;
        }
    })->Iterations(1)->Repetitions(1);

    // Painting pages of the middle of a coloured document.
    auto scroll = [](benchmark::State &state) {
        loadDocument(state.range(0));
        bench::scrollPages(state, editorWidget());
    };
    reg("ScrollPage", scroll)->Arg(100 * 1024)->Arg(ten)->Arg(big)->Iterations(20);

    // Typing on a long line with the HTML lexer, in a bare editor: without a lexer, lexing the
    // line from its start, resuming inside it.
    for (qint64 size : quick ? std::vector<qint64>{line} : std::vector<qint64>{line, longLine})
        for (int where : {0, 1})
            reg("TypeInLexedLine", bench::typeInLexedLine)
                ->Args({size, where, 0})->Args({size, where, 1})->Args({size, where, 2})->Iterations(10)->Repetitions(3);
    reg("LexWholeLine", bench::lexWholeLine)->Arg(line)->Iterations(5)->Repetitions(3);

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    auto &m = collector.medians;
    auto at = [&](const std::string &key) { return m.count(key) ? m[key] : -1.0; };
    const std::string B = std::to_string(big), T = std::to_string(ten), L = std::to_string(line),
                      L5 = std::to_string(longLine);
    struct Row {
        const char *what;
        double figure, baseline, target;
        // Shown for information, without a verdict; or left out when a peer program is missing.
        bool information = false;
        bool needsGeany = false;
    };
    std::vector<Row> rows = {
        {"1 keystroke, big vs 1 KB", at("Keystroke/" + B), at("Keystroke/1024"), 1.5},
        {"1 keystroke, 10 MB vs 1 KB", at("Keystroke/" + T), at("Keystroke/1024"), 1.5},
        {"1 typing, big, recovery on vs off", at("TypingWithRecovery/" + B + "/1"), at("TypingWithRecovery/" + B + "/0"), 1.1},
        {"2 status update, big vs 1 KB", at("StatusUpdate/" + B), at("StatusUpdate/1024"), 2.0},
        {"3 open big file vs read+decode", at("OpenFile/" + B + "/-1"), at("ReadAndDecode/" + B + "/-1"), 3.0},
        {"4 save big vs encode+write", at("SaveFile/" + B), at("EncodeAndWrite/" + B), 1.5},
        {"5 snippet in middle, big vs 10 KB", at("SnippetInMiddle/" + B), at("SnippetInMiddle/10240"), 2.0},
        {"6 open 1 MB line vs broken lines", at("OpenFile/" + L + "/0"), at("OpenFile/" + L + "/100"), 3.0},
        {"6 type at end of 1 MB line vs short", at("TypeAtLineEnd/" + L + "/0"), at("TypeAtLineEnd/4096/-1"), 20.0},
        {"7 start-up vs minimal Qt program", at("StartUp"), at("MinimalStartUp"), 1.5, true},
        {"8 TagDialog open+close vs bare", at("TagDialogOpenClose"), at("BareDialog"), 1.5},
        {"9 Ctrl+E in middle, big vs 10 KB", at("ElementEditInMiddle/" + B), at("ElementEditInMiddle/10240"), 1.5},
        {"11 list after '<' in middle, big vs 1 KB", at("ListAfterLessThan/" + B), at("ListAfterLessThan/1024"), 1.5},
        {"11 end tag after '>' in middle, big vs 1 KB", at("EndTagAfterGreaterThan/" + B),
         at("EndTagAfterGreaterThan/1024"), 1.5},

        {"9 find last of 1e5 matches vs find", at("FindLast/" + B), at("FindLastInMemory/" + B), 2.0},
        {"9 replace all 1e5 matches vs build", at("ReplaceAll/" + B), at("ReplaceAllInMemory/" + B), 3.0},
        {"9 regex find next in middle, big vs 10 KB", at("RegexFindNext/" + B), at("RegexFindNext/10240"), 2.0},
        {"9 any-case word beyond ASCII, big vs 10 KB", at("FoldedFindNext/" + B), at("FoldedFindNext/10240"), 2.0},
        {"9 regex replace one, big vs 10 KB", at("RegexReplaceOne/" + B), at("RegexReplaceOne/10240"), 2.0},

        {"9 open big UTF-8 file vs read bytes", at("OpenUtf8File/" + B), at("ReadUtf8Bytes/" + B), 2.0},
        {"9 save big UTF-8 vs write+fsync", at("SaveUtf8File/" + B), at("WriteUtf8Bytes/" + B), 1.5},
        {"9 detect UTF-8, big vs read bytes", at("DetectUtf8/" + B), at("ReadUtf8Bytes/" + B), 0.5},
        {"9 open 10 MB Big5 vs read+decode", at("OpenBig5File/" + T), at("ReadAndDecodeBig5/" + T), 3.0, true},
        {"13 check 1 MB page vs read+decode", at("CheckPage/" + L), at("ReadAndDecodePage/" + L), 200.0, true},

        {"7 start-up vs Geany, same display", at("StartUpOnDisplay"), at("GeanyStartUp"), 0.75, false, true},

        {"9 scroll a page in middle, big vs 100 KB", at("ScrollPage/" + B), at("ScrollPage/102400"), 2.0},
        {"9 same, 10 MB coloured vs 100 KB", at("ScrollPage/" + T), at("ScrollPage/102400"), 2.0},
    };
    if (!quick) {
        rows.push_back({"6 open 5 MB line vs broken lines", at("OpenFile/" + L5 + "/0"), at("OpenFile/" + L5 + "/100"), 3.0});
        rows.push_back({"6 type at end of 5 MB line vs short", at("TypeAtLineEnd/" + L5 + "/0"), at("TypeAtLineEnd/4096/-1"), 20.0});
    }
    for (const std::string &size : quick ? std::vector<std::string>{L} : std::vector<std::string>{L, L5}) {
        static std::vector<std::string> names; // the rows keep pointers to their names
        names.reserve(16);
        const std::string mb = size == L ? "1 MB" : "5 MB";
        for (const char *where : {"0", "1"}) {
            const std::string w = where[0] == '0' ? "end" : "middle";
            const std::string key = "TypeInLexedLine/" + size + "/" + where + "/";
            names.push_back("6 lexer on, " + w + " of " + mb + " line vs off");
            rows.push_back({names.back().c_str(), at(key + "2"), at(key + "0"), 1.5});
            names.push_back("6 (from line start, " + w + ", " + mb + " vs off)");
            rows.push_back({names.back().c_str(), at(key + "1"), at(key + "0"), 1.5, true});
        }
    }
    std::printf("\n%-38s %12s %12s %8s %8s  %s\n", "benchmark", "figure ms", "baseline ms", "ratio", "target", "holds");
    bool allHold = true;
    for (const auto &r : rows) {
        if (r.needsGeany && !bench::geanyAvailable()) {
            std::printf("%-38s %12s %12s %8s %8.2f  %s\n", r.what, "", "", "", r.target, "unavailable: geany is not installed");
            continue;
        }
        const double ratio = r.figure > 0 && r.baseline > 0 ? r.figure / r.baseline : -1;
        const bool holds = ratio > 0 && ratio <= r.target;
        allHold = allHold && (holds || r.information);
        std::printf("%-38s %12.3f %12.3f %8.2f %8.2f  %s\n", r.what, r.figure * 1e3, r.baseline * 1e3, ratio, r.target,
                    r.information ? "(information)" : holds ? "yes" : "NO");
    }

    // A further MainWindow in the running program: painted no later than the first, and at most
    // 20 MiB more memory at idle.
    {
        const bench::FurtherWindow w = bench::measureFurtherWindow(self, 5);
        const bool faster = w.furtherMs > 0 && w.furtherMs <= w.firstMs;
        const bool small = w.addedMiB >= 0 && w.addedMiB <= 20;
        std::printf("%-38s %12.3f %12.3f %8.2f %8.2f  %s\n", "12a further window painted vs first", w.furtherMs,
                    w.firstMs, w.firstMs > 0 ? w.furtherMs / w.firstMs : -1, 1.0, faster ? "yes" : "NO");
        std::printf("%-38s %8.1f MiB %8.1f MiB %8.2f %8.2f  %s\n", "12b PSS a further window adds", w.addedMiB, 20.0,
                    w.addedMiB / 20, 1.0, small ? "yes" : "NO");
        allHold = allHold && faster && small;
    }

    // Peak memory of opening the big file, against its size.
    const QString bigFile = fileOfSize(big);
    const double fileMiB = double(QFileInfo(bigFile).size()) / (1024 * 1024);
    const double peakMiB = double(openPeakMemoryKiB(bigFile)) / 1024;
    const bool memHolds = peakMiB > 0 && peakMiB <= 4 * fileMiB;
    std::printf("%-38s %10.1f MiB %9.1f MiB %8.2f %8.2f  %s\n", "3 open: peak memory vs file size", peakMiB, fileMiB,
                peakMiB / fileMiB, 4.0, memHolds ? "yes" : "NO");

    // The status bar's byte count must equal the saved file's length.
    {
        loadDocument(big);
        auto &rt = runtime();
        rt.insertAtCaret(session().editor(), u"中a"_s);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"check.html"_s);
        document::saveFile(rt, session(), path);
        const qint64 saved = QFileInfo(path).size();
        const qint64 counted = rt.getEditorByteLength(session().editor());
        std::printf("%-38s %12lld %12lld %8s %8s  %s\n", "2 byte count vs saved file length", (long long)counted,
                    (long long)saved, "", "equal", counted == saved ? "yes" : "NO");
        allHold = allHold && counted == saved;
    }
    // The same for a UTF-8 file: peak memory of opening it, and the count after an edit.
    bool utf8Holds = true;
    {
        const QString utf8File = bench::utf8FileOfSize(big);
        const double utf8MiB = double(QFileInfo(utf8File).size()) / (1024 * 1024);
        const double utf8PeakMiB = double(openPeakMemoryKiB(utf8File)) / 1024;
        const bool holds = utf8PeakMiB > 0 && utf8PeakMiB <= 3 * utf8MiB;
        std::printf("%-38s %10.1f MiB %9.1f MiB %8.2f %8.2f  %s\n", "9 open UTF-8: peak memory vs file", utf8PeakMiB,
                    utf8MiB, utf8PeakMiB / utf8MiB, 3.0, holds ? "yes" : "NO");
        auto &rt = runtime();
        document::openFile(rt, session(), utf8File);
        rt.insertAtCaret(session().editor(), u"中a"_s);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"check.html"_s);
        document::saveFile(rt, session(), path);
        const qint64 saved = QFileInfo(path).size();
        const qint64 counted = rt.getEditorByteLength(session().editor(), session().encoding());
        std::printf("%-38s %12lld %12lld %8s %8s  %s\n", "9 UTF-8 byte count vs saved length", (long long)counted,
                    (long long)saved, "", "equal", counted == saved ? "yes" : "NO");
        utf8Holds = holds && counted == saved;
    }
    // The preview, in processes of its own: the first F12 against a limit, an update against
    // starting over, typing with it open against a keystroke in 1 KB.
    bool previewHolds = true;
    {
        const bench::PreviewFigures p = bench::measurePreview(self, ten, 3);
        if (!p.unavailable.isEmpty()) {
            std::printf("%-38s %s\n", "10 preview", qPrintable(u"unavailable: "_s + p.unavailable));
        } else {
            struct PreviewRow {
                const char *what;
                double figure, baseline, target;
                bool information = false;
            };
            // An update's own time starts when the typing pause it waits for has passed.
            auto afterPause = [](double fromKey) { return fromKey < 0 ? -1 : fromKey - document::PreviewQuietMilliseconds; };
            for (const PreviewRow &r : {PreviewRow{"10a first F12, 100 KB, vs 1 s", p.firstF12, 1000, 1.5},
                                        PreviewRow{"10b update after the pause, 1 MB, vs F12", afterPause(p.update), p.firstWarm, 1.0},
                                        PreviewRow{"10b (from the key, pause included)", p.update, p.firstWarm, 1.0, true},
                                        PreviewRow{"10b (key while it loads, after pause)", afterPause(p.updateLoading), p.firstWarm, 1.0, true},
                                        PreviewRow{"10c keystroke, preview open, vs 1 KB", p.typing, p.typingBare, 1.5}}) {
                const double ratio = r.figure > 0 && r.baseline > 0 ? r.figure / r.baseline : -1;
                const bool holds = ratio > 0 && ratio <= r.target;
                previewHolds = previewHolds && (holds || r.information);
                std::printf("%-38s %12.3f %12.3f %8.2f %8.2f  %s\n", r.what, r.figure, r.baseline, ratio, r.target,
                            r.information ? "(information)" : holds ? "yes" : "NO");
            }
        }
    }
    const bool latencyHolds = bench::printTypingLatencyRows(latencyRows);
    return allHold && memHolds && utf8Holds && latencyHolds && previewHolds ? 0 : 1;

    // For the colouring's size limit: how fast the HTML lexer styles the generated page.
    {
        loadDocument(ten);
        const double seconds = bench::styleWholeText(editorWidget());
        const double mib = double(editorWidget()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)) / (1024 * 1024);
        std::printf("%-38s %10.1f MiB %10.0f ms %8.1f MiB/s (information)\n", "styling a whole coloured text", mib,
                    seconds * 1e3, mib / seconds);
    }
    return allHold && memHolds ? 0 : 1;
}
