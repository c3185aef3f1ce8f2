// SPDX-License-Identifier: GPL-3.0-or-later
// Strict UTF-8 validation of whole files, fast enough to run over every file that is opened: the
// bytes are valid when readUtf8 (utf8.h) reads no raw byte in them.
#pragma once

#include <QByteArrayView>

namespace core {

struct Utf8Check {
    bool valid = true;      // strictly valid: no overlong forms, surrogates or code points past U+10FFFF
    bool multibyte = false; // holds at least one byte above ASCII
    friend bool operator==(const Utf8Check &, const Utf8Check &) = default;
};

/// Checks the bytes 32 at a time where the processor allows it, byte by byte otherwise.
Utf8Check checkUtf8(QByteArrayView bytes);
/// The same answer, byte by byte with an ASCII fast path of 8 bytes at a time.
Utf8Check checkUtf8Scalar(QByteArrayView bytes);

} // namespace core
