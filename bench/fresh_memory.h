// SPDX-License-Identifier: GPL-3.0-or-later
// The same memory for a figure and its baseline at every size: each round of a one-off operation
// (opening, reading, saving) starts with the pages of every freed block given back to the kernel.
#pragma once

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace bench {

/// Untimed: gives back the pages of freed blocks, so that the round's large blocks are faulted in
/// afresh whether glibc maps them anew or hands out a freed one again. Without it glibc, which
/// raises its mapping threshold each time a large block is freed (up to 32 MB), serves a 10 MB
/// round from memory an earlier round left resident, while a 100 MB round maps and faults in
/// fresh pages: the ratios of the quick and the full run would compare memory, not work.
inline void startWithFreshMemory(benchmark::State &state)
{
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

} // namespace bench
