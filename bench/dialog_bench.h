// SPDX-License-Identifier: GPL-3.0-or-later
// A TagDialog opened and closed, painted on the way, against a bare dialog of the same widgets.
#pragma once

#include "document/session.h"

#include <benchmark/benchmark.h>

namespace bench {

/// Opening the hyperlink dialog (a TagDialog) and closing it once it is painted.
void tagDialogOpenClose(benchmark::State &state, ui::UiRuntime &rt, document::Session &s);
/// The same widgets in a plain QDialog, shown until painted and closed.
void bareDialog(benchmark::State &state);

} // namespace bench
