// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <vector>

namespace prefs {

/// The one line SupportContactMessage shows.
inline const QString SupportContactText = QStringLiteral("如需帮助，请联系客服：support@example.com");

/// Shows SupportContactMessage: an OK button, no icon, the default caption.
void showSupportContact(ui::UiRuntime &rt);

/// The handlers this subsystem binds to the MainWindow's controls and menu items.
std::vector<ui::UnitBinding> mainWindowBindings(document::Session &s);

} // namespace prefs
