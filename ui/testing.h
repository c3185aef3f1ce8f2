// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the widgets behind controls, for tests that simulate a user's input.
#pragma once

#include "runtime.h"

class QWidget;
class QAction;
class QMenu;

namespace ui::testing {

/// The widget of a control (or of the window, with an empty unit); nullptr when not open.
QWidget *widget(UiRuntime &rt, const ControlRef &ref);
/// The action of a menu item.
QAction *menuAction(UiRuntime &rt, const ControlRef &ref);
/// The menu of a top-level or submenu item.
QMenu *menu(UiRuntime &rt, const ControlRef &ref);
/// The installed font family the runtime uses for a face named in the definitions (宋体 …).
QString mappedFontFace(const QString &face);
/// Raises an event of a control as the user's action would (a click, a double click …).
bool raise(UiRuntime &rt, const ControlRef &ref, Event event);

} // namespace ui::testing
