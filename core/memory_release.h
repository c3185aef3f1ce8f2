// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a large block of bytes over piece by piece, so that the block and its copy are not
// both in memory at once.
#pragma once

#include <QByteArray>

#include <functional>

namespace core {

/// Passes the bytes to `take` in pieces of at most pieceSize, front to back; a piece ends after
/// its last line feed, or when it holds none, not inside a UTF-8 sequence: no character and no
/// CR LF pair is split between two pieces. Once a piece has
/// been taken, the whole memory pages it covered are given back to the system (Linux), so that
/// memory in use stays about the size of the bytes while they are copied elsewhere. The bytes
/// are spent: when this returns they are empty. Bytes shared with another QByteArray are only
/// passed on, their pages kept.
void handOverInPieces(QByteArray &bytes, qsizetype pieceSize, const std::function<void(const char *, qsizetype)> &take);

/// Offers the whole 2 MB pages of a large block not touched yet (4 × 2 MB or more) to the kernel
/// for huge pages (Linux; elsewhere nothing).
void adviseHugePages(char *data, qsizetype size);

} // namespace core
