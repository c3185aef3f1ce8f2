// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

/// One keystroke on one long line of a bare editor with the HTML lexer, painted. range(0): the
/// line's bytes; range(1): 0 typing at the line's end, 1 in its middle; range(2): 0 without a
/// lexer, 1 the lexer styling the changed line from its start, 2 the lexer resuming inside the
/// line and stopping where its earlier results stand.
void typeInLexedLine(benchmark::State &state);
/// The HTML lexer styling one line of range(0) bytes from nothing, in a bare editor not shown.
void lexWholeLine(benchmark::State &state);

} // namespace bench
