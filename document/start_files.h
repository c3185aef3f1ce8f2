// SPDX-License-Identifier: GPL-3.0-or-later
// Files named on the command line, opened at start-up.
#pragma once

#include "session.h"

#include <QStringList>

namespace document {

/// Opens the first file as "打开" opens a chosen one (the same reading and the same report when
/// it cannot be read); one document per window, so any further files are named in one message and
/// left unopened. Returns whether the first file is now in the editor.
bool openStartFiles(ui::UiRuntime &rt, Session &s, const QStringList &files);

} // namespace document
