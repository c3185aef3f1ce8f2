// SPDX-License-Identifier: GPL-3.0-or-later
// The preview (F12): a window of its own beside the MainWindow that shows the page rendered from
// the editor's text as it is typed. Its browser is a module loaded on the first F12
// (preview/); where it is not installed, F12 says so in status panel 8.
#pragma once

#include "session.h"

#include "ui/window_definition.h"

namespace document {

inline const QString PreviewWindowName = QStringLiteral("PreviewWindow");
/// How long typing must pause before the page is shown again.
inline constexpr int PreviewQuietMilliseconds = 400;

/// Opens the preview when it is closed, closes it when it is open.
void togglePreview(ui::UiRuntime &rt, Session &doc);
/// Shows the document again when the preview is open: after it was saved under a new name.
void refreshPreview(ui::UiRuntime &rt, Session &doc);

ui::WindowDefinition previewWindowDefinition(Session &doc);

} // namespace document
