// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of window the program shows, opened one at a time beside the MainWindow so that a
// look can be rendered and measured: the MainWindow, the element dialogs, their companions, the
// font and colour dialogs, the information windows and a message box.
#pragma once

#include "app/main_window.h"
#include "ui/runtime.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace skintour {

/// The names of every window kind, MainWindow first.
QStringList windowKinds();

/// Opens the MainWindow (which attaches the start skin, as at start-up); main outlives the runtime.
void openMainWindow(ui::UiRuntime &rt, app::MainWindow &main);

/// Shows one window kind (the MainWindow must be open), hands its top-level widget, painted, to
/// `visit`, and closes it again (the MainWindow stays).
void visitWindow(ui::UiRuntime &rt, app::MainWindow &main, const QString &kind,
                 const std::function<void(QWidget *)> &visit);

} // namespace skintour
