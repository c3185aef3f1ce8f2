// SPDX-License-Identifier: GPL-3.0-or-later
// Byte sequences at the edges of UTF-8, each with what the editor component makes of it: one
// character of so many bytes, a well-formed non-character it steps through byte by byte, or raw
// bytes. The core's reader is checked against the table; the search against the component itself.
#pragma once

#include <QByteArrayView>

#include <array>

namespace testsupport {

struct Utf8Sample {
    const char *what;
    QByteArrayView bytes;
    int length = 0;          // of the well-formed sequence; 0: the first byte is raw
    char32_t codePoint = 0;  // when length > 0
    bool caretCharacter = false; // the caret steps over the whole sequence at once
};

inline constexpr std::array Utf8Samples{
    Utf8Sample{"ASCII", "A", 1, U'A', true},
    Utf8Sample{"two bytes, the lowest", "\xC2\x80", 2, 0x80, true},
    Utf8Sample{"two bytes, the highest", "\xDF\xBF", 2, 0x7FF, true},
    Utf8Sample{"three bytes, the lowest", "\xE0\xA0\x80", 3, 0x800, true},
    Utf8Sample{"Chinese", "\xE4\xB8\xAD", 3, 0x4E2D, true},
    Utf8Sample{"just below the surrogates", "\xED\x9F\xBF", 3, 0xD7FF, true},
    Utf8Sample{"just above the surrogates", "\xEE\x80\x80", 3, 0xE000, true},
    Utf8Sample{"the replacement character", "\xEF\xBF\xBD", 3, 0xFFFD, true},
    Utf8Sample{"four bytes, the lowest", "\xF0\x90\x80\x80", 4, 0x10000, true},
    Utf8Sample{"four bytes, CJK extension B", "\xF0\xA0\x80\x80", 4, 0x20000, true},
    Utf8Sample{"four bytes, the highest character", "\xF4\x8F\xBF\xBD", 4, 0x10FFFD, true},
    Utf8Sample{"non-character U+FDD0", "\xEF\xB7\x90", 3, 0xFDD0, false},
    Utf8Sample{"non-character U+FFFE", "\xEF\xBF\xBE", 3, 0xFFFE, false},
    Utf8Sample{"non-character U+FFFF", "\xEF\xBF\xBF", 3, 0xFFFF, false},
    Utf8Sample{"non-character U+1FFFE", "\xF0\x9F\xBF\xBE", 4, 0x1FFFE, false},
    Utf8Sample{"non-character U+10FFFF", "\xF4\x8F\xBF\xBF", 4, 0x10FFFF, false},
    Utf8Sample{"overlong, lead C0", "\xC0\x80"},
    Utf8Sample{"overlong, lead C1", "\xC1\xBF"},
    Utf8Sample{"overlong three bytes, the lowest", "\xE0\x80\x80"},
    Utf8Sample{"overlong three bytes, the highest", "\xE0\x9F\xBF"},
    Utf8Sample{"overlong four bytes, the lowest", "\xF0\x80\x80\x80"},
    Utf8Sample{"overlong four bytes, the highest", "\xF0\x8F\xBF\xBF"},
    Utf8Sample{"surrogate U+D800", "\xED\xA0\x80"},
    Utf8Sample{"surrogate U+DBFF", "\xED\xAF\xBF"},
    Utf8Sample{"surrogate U+DC80, an escaped byte's own code", "\xED\xB2\x80"},
    Utf8Sample{"surrogate U+DFFF", "\xED\xBF\xBF"},
    Utf8Sample{"past U+10FFFF", "\xF4\x90\x80\x80"},
    Utf8Sample{"lead F5", "\xF5\x80\x80\x80"},
    Utf8Sample{"lead FF", "\xFF"},
    Utf8Sample{"lone continuation 80", "\x80"},
    Utf8Sample{"lone continuation BF", "\xBF"},
    Utf8Sample{"two bytes cut short", "\xC3"},
    Utf8Sample{"three bytes cut short", "\xE4\xB8"},
    Utf8Sample{"three bytes, ASCII for the third", "\xE4\xB8" "A"},
    Utf8Sample{"four bytes cut short", "\xF0\x9F\x98"},
    Utf8Sample{"four bytes, ASCII for the fourth", "\xF0\x9F\x98" "A"},
};

} // namespace testsupport
