// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/encodings.h"
#include "core/texts.h"

namespace document {

/// The program-wide modified flag. It is lowered when the program starts, raised by every change
/// of the document's text, and never lowered again: saving does not clear it, because no path
/// is kept that could tell which file the text now matches.
bool isModified();
void raiseModified();

/// The encoding the document is written in: what opening found in the file or the user chose,
/// GB18030 for a new document and at start. Saving keeps it; the status bar counts the text's
/// bytes in it. The source says how it was decided.
core::Encoding documentEncoding();
core::EncodingSource encodingSource();
void setDocumentEncoding(core::Encoding encoding, core::EncodingSource source);

/// The file the text was last read from or written to; empty for a new document.
core::Text documentFile();
void setDocumentFile(const core::Text &path);

} // namespace document
