// SPDX-License-Identifier: GPL-3.0-or-later
#include "testing.h"

#include "runtime_impl.h"

#include <QAction>
#include <QMenu>

namespace ui::testing {

QWidget *widget(UiRuntime &rt, const ControlRef &ref) { return implOf(rt).as<QWidget>(ref); }

QAction *menuAction(UiRuntime &rt, const ControlRef &ref) { return implOf(rt).as<QAction>(ref); }

QMenu *menu(UiRuntime &rt, const ControlRef &ref)
{
    OpenWindow *w = implOf(rt).window(ref.window);
    return w ? w->menus.value(ref.unit) : nullptr;
}

QString mappedFontFace(const QString &face) { return mapFontFace(face); }

bool raise(UiRuntime &rt, const ControlRef &ref, Event event) { return implOf(rt).deliver(ref.window, ref.unit, event); }

} // namespace ui::testing
