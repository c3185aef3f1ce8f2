// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of UTF-8 and Big5 documents: opening, saving and detecting the encoding of a large
// UTF-8 file, and opening a Big5 one, each against the plain file operation it cannot do without.
#pragma once

#include "document/session.h"

#include <benchmark/benchmark.h>

class QWidget;

namespace bench {

/// A generated UTF-8 document of about the size (one character in five Chinese), made once.
QString utf8FileOfSize(qint64 bytes);

/// Opening the file through the file commands, until the window is painted.
void openUtf8File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, QWidget *window,
                  void (*settle)());
/// Reading the file's bytes.
void readUtf8Bytes(benchmark::State &state);
/// Saving the opened UTF-8 document.
void saveUtf8File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, void (*settle)());
/// Writing the file's bytes to a new file, with fsync.
void writeUtf8Bytes(benchmark::State &state);
/// Finding the file's encoding from its bytes, read beforehand.
void detectUtf8(benchmark::State &state);

/// Opening a Big5 document of about the size in Big5, as "按此编码重新打开" does, until painted.
void openBig5File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, QWidget *window, void (*settle)());
/// Reading the same file and decoding it with Qt's converter for the same code page.
void readAndDecodeBig5(benchmark::State &state);

} // namespace bench
