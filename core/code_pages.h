// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings of one- and two-byte codes other than GB18030 (Big5, Shift_JIS, EUC-KR,
// Windows-1252), as tables read once from the converter Qt reads them with, the way texts.cpp reads
// GB18030's. A code is a character only when the converter reads it as one character and writes
// that character back as the same code; every other code forms no character, and its bytes are
// carried raw. So a file comes back byte for byte, and a character the table holds is written
// as the code it was read from. Bytes below 0x80 are ASCII in every one of them.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <memory>

namespace core {

class CodePage {
public:
    /// The table of the converter of that name ("windows-950"); empty when Qt has no such converter.
    static std::unique_ptr<const CodePage> read(const char *converter);

    /// The character of the one-byte code, 0 when the byte forms none (or is a lead byte).
    char16_t single(uchar b) const { return single_[b]; }
    /// The character of the two-byte code starting at p (a byte of 0x80 or above), 0 when none.
    char16_t pair(const uchar *p) const { return pairs_[(p[0] - 0x80) * 256 + p[1]]; }
    /// The code of the character above ASCII: 0 none, below 0x100 one byte, else lead * 256 + trail.
    quint16 code(char32_t c) const { return c < 0x10000 ? codes_[c] : 0; }

private:
    CodePage() = default;

    std::array<char16_t, 256> single_{};
    std::array<char16_t, 128 * 256> pairs_{};
    std::array<quint16, 0x10000> codes_{};
};

} // namespace core
