// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    /// The window's start-up opens the first of startFiles (the files named on the command line)
    /// in place of the page template. The name is the window's (tests open several side by side).
    /// With a recovery store, the document's unsaved work is copied there, and copies left by
    /// processes that are gone are offered once the window shows its start document.
    explicit MainWindow(QStringList startFiles = {}, const QString &name = MainWindowName,
                        document::RecoveryStore *recoveryStore = nullptr);
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    ui::WindowDefinition definition();
    document::Session &session() { return session_; }
    const document::Session &session() const { return session_; }

private:
    QStringList startFiles_;
    document::Session session_;
    std::unique_ptr<document::Recovery> recovery_;
};

} // namespace app
