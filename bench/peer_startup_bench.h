// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up against a peer editor (Geany), both as processes on one Xvfb display.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

bool geanyAvailable();
/// Geany, with a fresh home and configuration, from exec until its first window is mapped.
void GeanyStartUp(benchmark::State &state, const std::string &display);
/// This program from exec until its MainWindow has been mapped and painted (self is this bench
/// program, started again with --probe-startup-exposed).
void StartUpOnDisplay(benchmark::State &state, const std::string &display, const std::string &self);
/// The probe: opens the MainWindow on the display, waits until it is exposed, paints it, ends.
int probeStartUpExposed(int argc, char **argv);

} // namespace bench
