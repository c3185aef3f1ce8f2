// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of finding and replacing in a large document, each with its in-memory baseline.
#pragma once

#include "document/search.h"
#include "ui/runtime.h"

#include <benchmark/benchmark.h>

namespace bench {

/// One "查找下一个" from the middle of a document with a match every kilobyte or so: the search
/// alone, as row 9b measures it.
void findNextFromMiddle(benchmark::State &state, const QString &pattern, document::SearchOptions options);
/// What a single "替换" with a regular expression asks of the search there: the selection checked,
/// its replacement built, the next match found.
void replaceOneInMiddle(benchmark::State &state);

/// The program's search, from the start of the document through all its matches to the last.
void findLast(benchmark::State &state, ui::UiRuntime &rt);
/// The same with std::string_view::find over a copy of the document's bytes.
void findLastInMemory(benchmark::State &state);
/// "全部替换" of every match, through the program's command.
void replaceAllMatches(benchmark::State &state, ui::UiRuntime &rt);
/// The replaced text built in memory from a copy of the document's bytes.
void replaceAllInMemory(benchmark::State &state);

} // namespace bench
