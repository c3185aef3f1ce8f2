// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime_impl.h"

namespace ui {

/// Delivers the control's mouse, key and focus input to its handlers, if it has any; a handler's
/// false swallows the input so that the control does not act on it.
void relayInput(UiRuntime::Impl &impl, const QString &window, const ControlDef &c, QWidget *widget);

} // namespace ui
