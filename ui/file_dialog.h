// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save modes of the common dialog.
#pragma once

#include <QString>

namespace ui {

struct FileDialogSetup {
    QString title;
    QString filter;        // "name|pattern|name|pattern…"
    int initialFilter = 0; // index of the pair chosen at opening
    bool save = false;
    QString fileName; // filled in at opening; its folder is the one shown
};

/// Shows a modal file dialog; the full path chosen, or an empty string when it was cancelled.
/// A name typed in is taken whether or not the chosen filter would list it; opening insists on
/// an existing file.
QString chooseFile(const FileDialogSetup &setup);

} // namespace ui
