// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

namespace bench {

/// The preview's figures in milliseconds, medians of probes run as processes of their own (the
/// engine starts once per process). "Painted" means the page's top band of colour is in the
/// preview's drawing.
struct PreviewFigures {
    QString unavailable;    // why there are no figures (the module is not built); empty when there are
    double firstF12 = -1;   // F12 on the 100 KB page until painted, the engine started by it
    double firstWarm = -1;  // F12 on the 1 MB page until painted, the engine already running
    double update = -1;     // a key typed into the loaded 1 MB page until the change is painted
    double updateLoading = -1; // the same key typed while the engine still parses the page
    double typing = -1;     // a key click in the big document with the preview open
    double typingBare = -1; // a key click in 1 KB, no preview
};

PreviewFigures measurePreview(const std::string &self, qint64 typingBytes, int runs);

/// A probe: `--probe-preview first|update|update-loading|typing <bytes>` prints its figures and exits.
int probePreview(int argc, char **argv);

} // namespace bench
