// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace app {

/// The application object with the Chinese translation of Qt's own dialogs and the CJK fonts.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

/// Once the application object is gone: waits (five seconds at most) until the worker threads of
/// Qt's global thread pool, which its painting uses for large fills, have ended. Destroying the
/// application object joins them only until they stop running; each then drops the last
/// reference to its thread data in a thread-specific-data destructor, which the C library skips
/// once QtCore has deleted that key while the process exits. A process that exits before they
/// end leaves that data unreleased (152 bytes a thread, which LeakSanitizer reports).
void awaitPooledThreads();

} // namespace app
