// SPDX-License-Identifier: GPL-3.0-or-later
// How the editor's buffer carries the bytes of a file that form no character in the document's
// encoding, the same way for every encoding. The buffer is UTF-8, read as utf8.h reads it: a byte
// that starts no well-formed sequence is a raw byte, a character of its own. A file byte that forms
// no character goes into the buffer as itself, where it reads as a raw byte and is written back as
// itself. Where the byte itself would be misread, it goes in as its escape instead: the UTF-8 form of
// U+DC00 + byte (ED B0 80 … ED B3 BF, the code points texts.h uses for raw bytes), which the buffer
// reads as three raw bytes and every encoding writes back as the one byte. That is the case for
//  - a byte below 0x80, which would be an ASCII character (the halves of a broken UTF-16 unit);
//  - a lead byte that, with the raw bytes after it, would form a well-formed UTF-8 sequence
//    (C8 A1 in Big5, where neither forms a character, would read as U+0221);
//  - ED followed by raw bytes that look like an escape.
#pragma once

#include "utf8.h"

#include <QByteArray>


namespace core {

/// The file byte carried by the raw byte at p (of which `left` > 0 bytes may be read): its escape
/// (3 bytes long) or the byte itself (1 byte long).
struct RawByte {
    uchar byte;
    int length;
};
inline RawByte readRawByte(const uchar *p, qsizetype left)
{
    if (p[0] == 0xED && left >= 3 && p[1] >= 0xB0 && p[1] <= 0xB3 && (p[2] & 0xC0) == 0x80)
        return {uchar((p[1] & 0x03) << 6 | (p[2] & 0x3F)), 3};
    return {p[0], 1};
}

/// Writes the UTF-8 bytes of a code point above ASCII; returns the end of what was written.
inline char *putUtf8(char *out, char32_t cp)
{
    if (cp < 0x800) {
        *out++ = char(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
        *out++ = char(0xE0 | (cp >> 12));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
    } else {
        *out++ = char(0xF0 | (cp >> 18));
        *out++ = char(0x80 | ((cp >> 12) & 0x3F));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
    }
    *out++ = char(0x80 | (cp & 0x3F));
    return out;
}

/// Builds the editor's buffer for a file from its characters and raw bytes, in order. The caller
/// writes ASCII and characters (putUtf8) through a pointer of its own, from begin(); raw bytes go
/// through raw(). Whether the bytes before a raw byte are raw or a character can be told from the
/// buffer itself: a character is complete, so no byte after it makes it longer.
class EditorBytesWriter {
public:
    /// Room for a file of `size` bytes at up to `perByte` (at least 1) buffer bytes a file byte;
    /// each escape makes room for its two further bytes. Pages never written cost no memory.
    EditorBytesWriter(qsizetype size, double perByte)
        : room_(qsizetype(double(size) * perByte) + 16), out_(room_, Qt::Uninitialized)
    {
    }

    char *begin() { return out_.data(); }

    /// Writes a file byte that forms no character at `end`; returns the new end (the buffer may
    /// have moved).
    char *raw(char *end, uchar b);

    QByteArray take(const char *end)
    {
        out_.truncate(end - out_.constData());
        return std::move(out_);
    }

private:
    char *makeRoomForEscape(char *end);

    qsizetype room_; // what the file's bytes may need, escapes included
    QByteArray out_;
};

} // namespace core
