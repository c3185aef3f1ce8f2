// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shortcuts.h"

#include "document/recovery.h"
#include "document/session.h"
#include "ui/window_definition.h"

namespace app {

extern const QString MainWindowName;

/// The MainWindow's logic: it owns the document session of the window and builds the window's
/// definition with every binding of every subsystem attached, each working on that session. It
/// must outlive the window opened from its definition.
class MainWindow {
public:
    /// The window's start-up opens the start file (named on the command line) in place of the page
    /// template. The name is the window's: app::Windows gives each MainWindow its own. With a
    /// recovery store, the document's unsaved work is copied there, and the first window offers
    /// copies left by processes that are gone once it shows its start document.
    explicit MainWindow(QString startFile = {}, const QString &name = MainWindowName,
                        document::RecoveryStore *recoveryStore = nullptr);
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    ui::WindowDefinition definition();
    /// What Ctrl+Shift+N runs; nothing until it is set.
    void setOpenNew(OpenNewWindow openNew) { openNew_ = std::move(openNew); }
    document::Session &session() { return session_; }
    const document::Session &session() const { return session_; }

private:
    QString startFile_;
    document::Session session_;
    std::unique_ptr<document::Recovery> recovery_;
    OpenNewWindow openNew_;
};

} // namespace app
