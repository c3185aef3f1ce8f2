// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_release.h"

#include <QByteArrayView>

#include <algorithm>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace core {

namespace {

/// How much of the bytes at p to hand over when at most `most` of `left` may go: up to the last
/// line feed, or else neither inside a UTF-8 sequence nor between CR and LF.
qsizetype pieceEnd(const char *p, qsizetype most, qsizetype left)
{
    if (most == left)
        return most;
    if (const qsizetype lineFeed = QByteArrayView(p, most).lastIndexOf('\n'); lineFeed >= 0)
        return lineFeed + 1;
    qsizetype n = most;
    while (n > most - 3 && n > 1 && (uchar(p[n]) & 0xC0) == 0x80)
        --n;
    if (n > 1 && p[n - 1] == '\r' && p[n] == '\n')
        --n;
    return n;
}

} // namespace

void handOverInPieces(QByteArray &bytes, qsizetype pieceSize, const std::function<void(const char *, qsizetype)> &take)
{
    pieceSize = std::max<qsizetype>(pieceSize, 1);
    // Only memory nothing else refers to may be given back.
    const bool owned = bytes.isDetached();
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
#if defined(__linux__)
    const quintptr page = quintptr(::sysconf(_SC_PAGESIZE));
    quintptr released = (quintptr(data) + page - 1) & ~(page - 1); // the first whole page not given back yet
#endif
    for (qsizetype at = 0, length = 0; at < size; at += length) {
        length = pieceEnd(data + at, std::min(pieceSize, size - at), size - at);
        take(data + at, length);
#if defined(__linux__)
        const quintptr end = (quintptr(data) + quintptr(at + length)) & ~(page - 1);
        if (owned && end > released) {
            // The pages read back as zeros afterwards; nothing reads them again.
            (void)::madvise(reinterpret_cast<void *>(released), end - released, MADV_DONTNEED);
            released = end;
        }
#endif
    }
    bytes = QByteArray();
}

} // namespace core
