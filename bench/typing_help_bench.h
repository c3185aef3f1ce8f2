// SPDX-License-Identifier: GPL-3.0-or-later
// Typing help in the middle of a document: the list after a typed '<', and the end tag put after
// a typed '>', each timed from the key to the editor's answer.
#pragma once

#include "document/session.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace bench {

/// A '<' typed after an end tag in the middle of a document of state.range(0) bytes, until the
/// element names' list is shown. load puts a generated document of that size in the editor.
void ListAfterLessThan(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                       const std::function<void(qint64)> &load);
/// The '>' of "<b>" typed there, until its end tag stands after the caret.
void EndTagAfterGreaterThan(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                            const std::function<void(qint64)> &load);

} // namespace bench
