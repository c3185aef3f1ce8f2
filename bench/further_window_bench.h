// SPDX-License-Identifier: GPL-3.0-or-later
// A further MainWindow (Ctrl+Shift+N, or a file handed over by a later start) in the running
// program: how long until it is painted against the first, and what memory it adds at idle.
#pragma once

#include <string>

namespace bench {

struct FurtherWindow {
    double firstMs = -1, furtherMs = -1; // until painted, in the same process
    double addedMiB = -1;                // proportional set size the further window adds, idle
};

/// Runs the probe (this bench program with --probe-further-window) `runs` times: the medians.
FurtherWindow measureFurtherWindow(const std::string &self, int runs);
/// The probe: opens a MainWindow as start-up does, then a further one as Ctrl+Shift+N does,
/// each until painted, and prints both times and the set size between the two idle states.
int probeFurtherWindow(int argc, char **argv);

} // namespace bench
