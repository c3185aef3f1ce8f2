// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace app {

/// The application object with the Chinese translation of Qt's own dialogs and the CJK fonts.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

/// Once the application object is gone: waits (five seconds at most) until the worker threads of
/// Qt's global thread pool, which its painting uses for large fills, have ended. Destroying the
/// application object joins them only until they stop running; a pool thread that is still
/// ending while the process exits leaves its QThreadData (152 bytes) unreleased, which
/// LeakSanitizer then reports as a leak of QtCore's.
void awaitPooledThreads();

} // namespace app
