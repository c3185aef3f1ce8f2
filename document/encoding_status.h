// SPDX-License-Identifier: GPL-3.0-or-later
// The document's encoding in the status bar: "UTF-8" while it is UTF-8, nothing for GB18030, a
// short name for the others, and "≠" with the declared name (e.g. "≠gb2312") when the page's own
// declaration says otherwise. The tooltip names the encoding and how it was decided.
#pragma once

#include "session.h"

namespace document {

struct EncodingNote {
    core::Text text, toolTip;
    friend bool operator==(const EncodingNote &, const EncodingNote &) = default;
};

/// The note for a document in the encoding whose file starts with the bytes given (the page's
/// declaration is looked for in the first 4 KB); rawBytes: a UTF-8 file holds bytes that are
/// not UTF-8 (pasted lone surrogates, written as the bytes they stand for).
EncodingNote encodingNote(core::Detection encoding, QByteArrayView fileStart, bool rawBytes = false);
/// Shows the note for the session's encoding; run on open, new and save, with the bytes read
/// or written.
void showEncodingNote(ui::UiRuntime &rt, Session &s, QByteArrayView fileStart, bool rawBytes = false);

} // namespace document
