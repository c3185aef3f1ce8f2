// SPDX-License-Identifier: GPL-3.0-or-later
// The program's MainWindows: one document each, opened from the command line, by Ctrl+Shift+N and
// for the files another start of the program hands over. They share one process: a further
// window costs a few megabytes and appears at once (docs/performance.md).
#pragma once

#include "main_window.h"

#include <memory>
#include <optional>
#include <vector>

namespace app {

class Windows {
public:
    /// With a recovery store, every window keeps recovery copies of its unsaved work there.
    explicit Windows(document::RecoveryStore *recovery = nullptr) : recovery_(recovery) {}
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    /// Opens each file in a MainWindow of its own, or brings the window that has it open to the
    /// front; with no file, a new window with the page template.
    void open(ui::UiRuntime &rt, const QStringList &files);
    /// Ctrl+Shift+N: a further window with the page template.
    void openNew(ui::UiRuntime &rt);
    /// Brings the open window whose document is the file (compared canonically) to the front;
    /// false when no open window has it.
    bool raiseHolder(ui::UiRuntime &rt, const QString &path);
    /// The MainWindows opened so far, the first first (closed ones included).
    const std::vector<std::unique_ptr<MainWindow>> &all() const { return windows_; }

private:
    void openWindow(ui::UiRuntime &rt, const QString &file);
    /// Where the window opened after the first `count` goes: offset from the last of them still
    /// open; none when none is.
    std::optional<QPoint> placeAfter(const ui::UiRuntime &rt, int count) const;

    // The logic of every window opened, kept until the program ends: handlers of a window being
    // destroyed still use it.
    std::vector<std::unique_ptr<MainWindow>> windows_;
    document::RecoveryStore *recovery_;
};

} // namespace app
