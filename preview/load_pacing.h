// SPDX-License-Identifier: GPL-3.0-or-later
// When and how the preview's next page goes to the browser engine. The engine loads a page in the
// process that shows the last one, and that process takes the new page only once it is free: once
// it has parsed all of a page still loading (seconds for a large one), or never while a script of
// the page runs on without end. So a page still loading is not waited for: its process is ended and
// the new page loaded in a fresh one. A page that has finished loading is asked a question first;
// its process is ended only when it does not answer in time, stuck in a script. QtCore only, so
// that it is tested without the engine.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace preview {

/// Why the pacing ends the page's process.
enum class Ending { StillLoading, Unanswered };

/// What the pacing does with the engine.
struct PacedEngine {
    /// Asks the page's process a question; calls answered when (if) the answer comes.
    std::function<void(std::function<void()> answered)> ask;
    /// Ends the page's process; false when there was none. The next load starts a new one.
    std::function<bool(Ending why)> end;
    /// Loads the page last written.
    std::function<void()> load;
};

class LoadPacing : public QObject {
public:
    LoadPacing(PacedEngine engine, int answerMilliseconds, QObject *parent = nullptr);

    /// A new page is written: loads it now, or once the process has answered.
    void next();
    /// The engine reports a load started, or finished (successfully or not).
    void started();
    void finished();
    /// The engine reports its process gone; false when it was one the pacing ended itself, after
    /// which the next page is loaded.
    bool processGone();

    /// Whether a page has finished loading in the process running now.
    bool shown() const { return shown_; }
    /// Whether the last load the engine started has not finished yet.
    bool loading() const { return loading_; }

private:
    void endAndLoad(Ending why);
    void load();

    PacedEngine engine_;
    QTimer patience_;
    int ticket_ = 0; // answers to an earlier question come to nothing
    bool shown_ = false;
    bool loading_ = false;
    bool startedSince_ = false; // the engine has started a load since the last one asked for
    bool ended_ = false; // a process ended here whose end the engine has not reported yet: the next load waits for it
};

} // namespace preview
