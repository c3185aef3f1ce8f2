// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/session.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace bench {

/// Ctrl+E on a link in the middle of a document of state.range(0) bytes: the dialog opens filled,
/// a field is changed and OK rewrites the link. load puts a generated document of that size in
/// the editor.
void ElementEditInMiddle(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                         const std::function<void(qint64)> &load);

} // namespace bench
