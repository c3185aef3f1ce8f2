// SPDX-License-Identifier: GPL-3.0-or-later
// What a fuzz target does when a property does not hold: say which, and stop as a crash does, so
// that libFuzzer keeps the input that showed it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
