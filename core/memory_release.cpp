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

/// Offers the whole 2 MB pages of a large, not yet touched buffer to the kernel for huge pages.
/// Each page fault is dear (on a virtual machine especially), and a 100 MB file read into 4 KB
/// pages takes 25600 of them, in the kernel while reading and again when the program first
/// looks at the bytes; in 2 MB pages it takes fifty.
void adviseHugePages(char *data, qsizetype size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr quintptr HugePage = quintptr(2) << 20;
    if (size < qsizetype(4 * HugePage))
        return;
    const quintptr from = (quintptr(data) + HugePage - 1) & ~(HugePage - 1);
    const quintptr to = (quintptr(data) + quintptr(size)) & ~(HugePage - 1);
    (void)::madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

} // namespace core
