// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <functional>
#include <vector>

namespace app {

/// A window reached by keys alone, beyond the menus: its keys, what it is for, and the command.
struct KeyedWindow {
    QString keys;
    QString opens;
    std::function<void(ui::UiRuntime &, document::Session &)> command;
};

/// Opens a further MainWindow (given by whoever keeps the windows).
using OpenNewWindow = std::function<void(ui::UiRuntime &)>;

/// Every window reached by keys alone, one row each; a feature that adds one adds its row here.
/// They are the MainWindow's shortcuts and the lines that end the status panel's tooltip, so the
/// tooltip names exactly the keys the program has.
std::vector<KeyedWindow> keyedWindows(const OpenNewWindow &openNew = {});
/// The tooltip's lines: "Ctrl+Shift+E：…", one per keyed window.
QString keyedWindowsHint();

/// The MainWindow's keyboard shortcuts: each clicks a menu item, or runs a command of its own.
std::vector<ui::Shortcut> mainWindowShortcuts(document::Session &s, const OpenNewWindow &openNew = {});

} // namespace app
