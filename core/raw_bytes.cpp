// SPDX-License-Identifier: GPL-3.0-or-later
#include "raw_bytes.h"

#include <algorithm>
#include <cstring>

namespace core {
namespace {

char *putEscape(char *out, uchar b)
{
    *out++ = char(0xED);
    *out++ = char(0xB0 | (b >> 6));
    *out++ = char(0x80 | (b & 0x3F));
    return out;
}

} // namespace

// Out of line: raw bytes are rare, and the loops that call this stay small.
char *EditorBytesWriter::raw(char *end, uchar b)
{
    if (b < 0x80) {
        end = makeRoomForEscape(end);
        return putEscape(end, b);
    }
    *end++ = char(b);
    if (b > 0xBF)
        return end;
    // A continuation byte may complete a sequence begun by the nearest lead before it, which can
    // then only be a raw byte; or make a raw ED look like an escape.
    for (int k = 1; k <= 3 && end - 1 - k >= out_.constData(); ++k) {
        const uchar l = uchar(end[-1 - k]);
        if (l < 0xC0)
            continue;
        const auto *p = reinterpret_cast<const uchar *>(end - 1 - k);
        if (readUtf8(p, k + 1).length == k + 1 || (k == 2 && readRawByte(p, 3).length == 3)) {
            end = makeRoomForEscape(end);
            char *lead = end - 1 - k;
            std::memmove(lead + 3, lead + 1, size_t(k));
            putEscape(lead, l);
            end += 2;
        }
        break;
    }
    return end;
}

char *EditorBytesWriter::makeRoomForEscape(char *end)
{
    room_ += 2;
    if (out_.size() >= room_)
        return end;
    const qsizetype at = end - out_.constData();
    out_.resize(std::max(out_.size() + out_.size() / 2, room_));
    return out_.data() + at;
}

} // namespace core
