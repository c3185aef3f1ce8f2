// SPDX-License-Identifier: GPL-3.0-or-later
// Key-to-pixel latency against a peer editor: each editor started on the virtual display with a
// document, keys pressed through the X server, and the time until the window's pixels change
// where the character appears.
#pragma once

#include "x_display.h"

#include <string>
#include <vector>

namespace bench {

/// How an editor is started for the measurement: its command line (the document's path is
/// added at the end; an argument starting with "{home}" starts with its fresh home instead), the
/// environment entries it needs beyond the display's, and the files of its fresh configuration
/// (paths under its home, and their text).
struct EditorLaunch {
    std::string name;
    std::vector<std::string> args;
    std::vector<std::string> env;
    std::vector<std::pair<std::string, std::string>> files;
};

/// This program, with the caret's blinking off through the desktop setting Qt reads.
EditorLaunch quillmereLaunch(const std::string &program);
/// Geany with a fresh configuration: no session, no plug-ins, no typing help, no side panels,
/// the same window size and font, the caret's blinking off through the GTK setting.
EditorLaunch geanyLaunch();

struct LatencySamples {
    std::vector<double> ms; // one per key, in the order typed
    std::string why;        // why it stopped short or never started; empty when complete
};

/// Starts the editor on the document, puts the caret at the document's end (Ctrl+End), and
/// types keys times a character (then BackSpace, not counted), each after a random quiet pause.
/// The editor is given loadSeconds to show the document, and the keys a budget of their own.
LatencySamples measureTyping(const std::string &display, const EditorLaunch &editor, const std::string &document,
                             int keys, double loadSeconds = 60, double budgetSeconds = 90);

/// The value below which the share p (0..1) of the samples lie (nearest rank); -1 when empty.
double percentile(std::vector<double> samples, double p);

/// One line of the benchmark table: a figure against a baseline with its target ratio, or a
/// note in their place.
struct LatencyRow {
    std::string what;
    double figureMs = -1, baselineMs = -1, target = 1.0;
    std::string note; // set when the row is not a comparison
};

/// The key-to-pixel rows: this program against Geany on a 1 KB page, a 10 MB page and a 1 MB
/// single-line page (median and 95th percentile each).
std::vector<LatencyRow> typingLatencyRows(const VirtualDisplay &display, const std::string &program, bool quick);
/// This program's median on the 1 KB page with typing help on against off
/// (QUILLMERE_TYPING_HELP=0 turns it off).
LatencyRow typingHelpLatencyRow(const VirtualDisplay &display, const std::string &program, bool quick);

/// Prints the rows in the benchmark table's columns; false when a target is missed or this
/// program could not be measured. A row without a ratio shows what was measured and why the
/// rest was not.
bool printTypingLatencyRows(const std::vector<LatencyRow> &rows);

} // namespace bench
