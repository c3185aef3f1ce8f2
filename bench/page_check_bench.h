// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a page (F7) against reading and decoding a file of the same size.
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

/// Every page check on a generated page of about the size, as the window's worker runs them.
void checkPage(benchmark::State &state);
/// Reading a GB18030 file of the size and decoding it, as opening does.
void readAndDecodePage(benchmark::State &state);

} // namespace bench
