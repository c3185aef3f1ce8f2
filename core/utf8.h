// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of UTF-8. It reads bytes as the editor component reads its buffer (Scintilla's
// UTF8Classify): a byte that starts no well-formed sequence is a raw byte, a character of its own
// — a lone continuation byte, C0, C1 and F5..FF, a sequence cut short, an overlong form, an
// encoded surrogate (U+D800..U+DFFF), a code point past U+10FFFF. Detection, the conversions of the
// editor's buffer, searching and the caret all read UTF-8 through here.
#pragma once

#include <QByteArrayView>

namespace core {

/// Whether the code point is one of Unicode's non-characters: U+FDD0..U+FDEF and the last two of
/// every plane (U+FFFE, U+FFFF, U+1FFFE …).
constexpr bool isNoncharacter(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

/// What starts at a byte of UTF-8.
struct Utf8Sequence {
    int length = 0;         // 1 to 4 bytes of a well-formed sequence; 0: a raw byte
    char32_t codePoint = 0; // when length > 0
    /// Whether the caret steps over it as one character. The editor steps byte by byte through
    /// raw bytes and through non-characters: those are well-formed, so detection and the
    /// conversions take them as the code points they are, but each of their bytes is a caret stop.
    constexpr bool caretCharacter() const { return length > 0 && !isNoncharacter(codePoint); }
};

/// The sequence that starts at p, of which `left` (> 0) bytes may be read. Inline, for the loops
/// that run over whole documents; three-byte sequences (Chinese) are tried first.
inline Utf8Sequence readUtf8(const uchar *p, qsizetype left)
{
    const uchar b = p[0];
    if (b < 0x80)
        return {1, b};
    auto follows = [p](int k) { return (p[k] & 0xC0) == 0x80; };
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !follows(1) || !follows(2))
            return {};
        const char32_t c = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
            return {};
        return {3, c};
    }
    if (b >= 0xC2 && b <= 0xDF) {
        if (left < 2 || !follows(1))
            return {};
        return {2, char32_t(b & 0x1F) << 6 | (p[1] & 0x3F)};
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !follows(1) || !follows(2) || !follows(3))
            return {};
        const char32_t c =
            char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        if (c < 0x10000 || c > 0x10FFFF)
            return {};
        return {4, c};
    }
    return {};
}

/// Where the well-formed sequence that covers the position starts: the position itself when it is
/// at a sequence's start, at a raw byte or at either end of the text.
inline qsizetype sequenceStart(QByteArrayView text, qsizetype position)
{
    if (position <= 0 || position >= text.size())
        return position;
    const auto *p = reinterpret_cast<const uchar *>(text.data());
    if ((p[position] & 0xC0) != 0x80)
        return position;
    // Back to the byte before the continuation bytes: a sequence that covers the position starts there.
    for (qsizetype k = 1; k <= 3 && position - k >= 0; ++k) {
        if ((p[position - k] & 0xC0) == 0x80)
            continue;
        const Utf8Sequence s = readUtf8(p + position - k, text.size() - (position - k));
        return s.length > k ? position - k : position;
    }
    return position;
}

/// Whether the caret can stand at the position of the text: not inside a sequence it steps over
/// as one character. Both ends of the text are positions.
inline bool isCharacterStart(QByteArrayView text, qsizetype position)
{
    const qsizetype start = sequenceStart(text, position);
    if (start == position)
        return true;
    const auto *p = reinterpret_cast<const uchar *>(text.data());
    return !readUtf8(p + start, text.size() - start).caretCharacter();
}

/// The character the caret steps over at the position, U+FFFD for a raw byte or a non-character.
inline char32_t caretCharacterAt(QByteArrayView text, qsizetype position)
{
    const Utf8Sequence s = readUtf8(reinterpret_cast<const uchar *>(text.data()) + position, text.size() - position);
    return s.caretCharacter() ? s.codePoint : 0xFFFD;
}

} // namespace core
