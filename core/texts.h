// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

// Texts and numbers.
//
// The program's texts are QStrings; files hold them as GB18030 bytes (identical to GB2312 for
// every GB2312 character). Bytes that are not valid GB18030 are carried through a text as
// lone low surrogates U+DC80..U+DCFF, one per byte, so that any byte sequence survives
// BytesToText followed by TextToBytes unchanged. No character a user can type is a lone
// surrogate, so the escapes never collide with real text.
namespace core {

using Text = QString;

/// GB18030 bytes of a text; escaped raw bytes come back as themselves.
QByteArray textToBytes(const Text &text);
/// A text from GB18030 bytes; bytes that do not form a valid character are escaped.
Text bytesToText(const QByteArray &bytes);
/// Length of the text in GB18030 bytes.
qsizetype textLength(const Text &text);
/// GB18030 length of one code point (escapes, and any other surrogate, count as one byte).
int gb18030Length(char32_t codePoint);

inline qsizetype byteLength(const QByteArray &bytes) { return bytes.size(); }
Text joinTexts(std::initializer_list<Text> texts);
/// Byte-wise comparison of the texts' GB18030 bytes: negative, 0 or positive.
int compareTexts(const Text &a, const Text &b);

/// Reads a decimal number from the start of the text (leading blanks skipped); none gives 0.
double toNumber(const Text &text);
inline double toNumber(int value) { return value; }
/// An integer in plain decimal.
Text toText(int value);
Text toText(long long value);
/// A number with at most 13 significant digits ("%.13g").
Text toText(double value);
/// Rounds half away from zero with a nudge of 1e-12 on the scaled magnitude.
double roundTo(double x, int decimals);

/// Conversions between texts and the editor's UTF-8 buffer, which stores escaped bytes raw. An
/// escape raw_bytes.h writes into the buffer is three escaped bytes in a text, which textToBytes
/// and textLength take for the one byte it stands for, as a save from the buffer does.
QByteArray textToEditorBytes(const Text &text);
Text editorBytesToText(const char *data, qsizetype size);
/// GB18030 bytes straight from / to the editor's buffer, bytes that form no character carried as
/// raw_bytes.h says.
QByteArray editorBytesToGb18030(const char *data, qsizetype size);
QByteArray gb18030ToEditorBytes(const QByteArray &bytes);
/// Whether every byte is part of a GB18030 character.
bool isGb18030(QByteArrayView bytes);
/// GB18030 length of a stretch of the editor's buffer.
qsizetype gb18030LengthOfEditorBytes(const char *data, qsizetype size);

} // namespace core
