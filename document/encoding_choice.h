// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the encoding a document is read and saved in, beyond what opening found.
#pragma once

#include "core/encodings.h"
#include "core/texts.h"

namespace document {

/// Why a save was refused: the characters the encoding cannot hold, the first few with their lines.
core::Text unencodableReason(const core::FilePieces &file, core::Encoding encoding);

} // namespace document
