// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

class QsciScintilla;

namespace bench {

/// Scrolls the editor's loaded document one page per iteration from its middle, painting each.
void scrollPages(benchmark::State &state, QsciScintilla *ed);
/// Styles the whole loaded text from its start; seconds taken.
double styleWholeText(QsciScintilla *ed);

} // namespace bench
