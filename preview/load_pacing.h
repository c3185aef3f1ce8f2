// SPDX-License-Identifier: GPL-3.0-or-later
// When the preview's next page goes to the browser engine. A page that has finished loading may
// hold a script that never ends, and the engine cannot load anything in its place until that
// script stops: its process is asked a question first, and one that does not answer in time is
// ended. A page still loading is not asked: its process answers only once it has parsed the whole
// page (seconds for a large one), and the engine abandons that load for the next one anyway.
// QtCore only, so that it is tested without the engine.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace preview {

/// What the pacing does with the engine.
struct PacedEngine {
    /// Whether the engine has a process for its page.
    std::function<bool()> running;
    /// Asks the page's process a question; calls answered when (if) the answer comes.
    std::function<void(std::function<void()> answered)> ask;
    /// Ends the page's process, stuck in a script (the next load starts a new one).
    std::function<void()> end;
    /// Loads the page last written.
    std::function<void()> load;
};

class LoadPacing : public QObject {
public:
    LoadPacing(PacedEngine engine, int answerMilliseconds, QObject *parent = nullptr);

    /// A new page is written: loads it now or once the process has answered.
    void next();
    /// The engine reports a load started, finished (successfully or not), or its process gone.
    void started();
    void finished();
    void processGone();

    /// Whether a page has finished loading in the process running now.
    bool shown() const { return shown_; }
    /// Whether the last load the engine started has not finished yet.
    bool loading() const { return loading_; }

private:
    void load();

    PacedEngine engine_;
    QTimer patience_;
    int ticket_ = 0; // answers to an earlier question come to nothing
    bool shown_ = false;
    bool loading_ = false;
};

} // namespace preview
