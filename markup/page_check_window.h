// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless "检查网页" window (F7): it checks a copy of the editor's text away from the UI
// thread, lists the findings, marks them in the editor, takes the caret to one and fixes one.
#pragma once

#include "document/session.h"

namespace markup {

inline const QString PageCheckWindowName = QStringLiteral("PageCheckWindow");
/// From this size on, the window offers to cancel a check while it runs.
inline constexpr qsizetype LargePage = qsizetype(16) << 20;

/// F7: opens the window and checks the page; an open window comes to the front.
void openPageCheck(ui::UiRuntime &rt, document::Session &s);

ui::WindowDefinition pageCheckWindow(document::Session &s);

/// What panel 8 says when a check is done.
QString checkSummary(qsizetype findings);

} // namespace markup
