// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "文字编码" window (Ctrl+Shift+E): the encodings offered, the document's own selected;
// the file read again in the one chosen, or the text kept and saved in it from now on.
#pragma once

#include "session.h"

namespace document {

extern const QString EncodingWindowName;

ui::WindowDefinition encodingWindow(Session &s);

/// Ctrl+Shift+E: opens the window modally; returns once it has closed.
void openEncodingWindow(ui::UiRuntime &rt, Session &s);

/// "按此编码重新打开": reads the document's file again in the encoding, after the unsaved-changes
/// question when the text was changed. A document never read nor saved has no file: says so.
void reopenIn(ui::UiRuntime &rt, Session &s, core::Encoding encoding);
/// "保存时改用此编码": keeps the text and saves it in the encoding from now on. When the page
/// declares another encoding, asks whether to rewrite its declarations too, as one undo step.
void saveIn(ui::UiRuntime &rt, Session &s, core::Encoding encoding);

} // namespace document
