// SPDX-License-Identifier: GPL-3.0-or-later
// Changes another program makes to the document's file while it is open: noticed when the window
// comes to the front, and before saving over the file.
#pragma once

#include "session.h"

namespace document {

/// Records the file as read or written just now with these bytes; `before` is its look taken
/// before the bytes were read (so that a change made meanwhile still shows).
void noteFileOnDisk(Session &s, const core::FileStamp &before, const QList<QByteArray> &bytes);
/// When the window comes to the front: a file changed since it was last looked at is offered for
/// reloading ("重新载入" or "保留当前文本", keeping the text by default when it has unsaved
/// changes); a file that is gone is said to be gone, and the text is marked modified.
void checkFileOnDisk(ui::UiRuntime &rt, Session &s);
/// Before the text is written to the path: when it is the document's own file and another program
/// has changed it since it was read or written, asks whether to overwrite it. False: do not save.
bool confirmOverwrite(ui::UiRuntime &rt, Session &s, const core::Text &path);

} // namespace document
