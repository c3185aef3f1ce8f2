// SPDX-License-Identifier: GPL-3.0-or-later
// A window's names as another X client reads them (xprop, a window manager, a task bar).
#pragma once

#include <string>

class QWidget;

namespace testsupport {

/// Whether the application runs on an X display.
bool onX11();
/// The top-level window's _NET_WM_NAME and WM_NAME, in UTF-8, read over a connection of their
/// own once the server has handled everything the application sent; "<none>" when missing.
std::string netWmName(QWidget *w);
std::string wmName(QWidget *w);

} // namespace testsupport
