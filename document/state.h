// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace document {

/// The program-wide modified flag. It is lowered when the program starts, raised by every change
/// of the document's text, and never lowered again: saving does not clear it, because no path
/// is kept that could tell which file the text now matches.
bool isModified();
void raiseModified();

} // namespace document
