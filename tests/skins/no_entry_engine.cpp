// SPDX-License-Identifier: GPL-3.0-or-later
// A library of the skin engine's file name without its entry point, for the load-failure tests.
extern "C" __attribute__((visibility("default"))) int SomethingElse() { return 0; }
