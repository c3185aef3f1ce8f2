// SPDX-License-Identifier: GPL-3.0-or-later
// Text and bytes: whatever a file holds comes back unchanged through a text and through the
// editor's buffer in every encoding offered, every real text survives being written and read again
// in every encoding that holds it, and every length the status bar shows agrees with the bytes a
// save would write.
#include "fuzz_check.h"
#include "core/encodings.h"
#include "core/texts.h"
#include "core/utf8_check.h"

#include <cstddef>
#include <cstdint>

namespace {

/// The input read as UTF-16 code units, with every unpaired surrogate left out: a text a user
/// could have typed or pasted.
QString validText(const std::uint8_t *data, std::size_t size)
{
    QString units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    QString text;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const QChar c = units.at(i);
        if (c.isHighSurrogate() && i + 1 < units.size() && units.at(i + 1).isLowSurrogate()) {
            text.append(c);
            text.append(units.at(++i));
        } else if (!c.isSurrogate()) {
            text.append(c);
        }
    }
    return text;
}

void bytesComeBack(const QByteArray &bytes)
{
    const QString text = core::bytesToText(bytes);
    FUZZ_CHECK(core::textToBytes(text) == bytes);
    FUZZ_CHECK(core::textLength(text) == bytes.size());

    const QByteArray buffer = core::gb18030ToEditorBytes(bytes);
    FUZZ_CHECK(core::editorBytesToGb18030(buffer.constData(), buffer.size()) == bytes);
    FUZZ_CHECK(core::gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()) == bytes.size());
    FUZZ_CHECK(core::editorBytesToText(buffer.constData(), buffer.size()) == text);
}

/// The same bytes taken as the editor's buffer (UTF-8 with raw bytes in between).
void editorBufferComesBack(const QByteArray &buffer)
{
    const QString text = core::editorBytesToText(buffer.constData(), buffer.size());
    FUZZ_CHECK(core::textToEditorBytes(text) == buffer);
    const QByteArray file = core::editorBytesToGb18030(buffer.constData(), buffer.size());
    FUZZ_CHECK(file == core::textToBytes(text));
    FUZZ_CHECK(core::gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()) == file.size());
    FUZZ_CHECK(core::textLength(text) == file.size());
}

/// Whichever encoding a file is found to be in, opening and saving it unchanged writes the same
/// bytes, counted as many; both ways of checking UTF-8 agree.
void fileComesBackInItsEncoding(const QByteArray &bytes)
{
    const core::Utf8Check fast = core::checkUtf8(bytes), scalar = core::checkUtf8Scalar(bytes);
    FUZZ_CHECK(fast == scalar);
    const core::Encoding encoding = core::detectEncoding(bytes).encoding;
    if (encoding == core::Encoding::Utf8 || encoding == core::Encoding::Utf8WithBom)
        FUZZ_CHECK(core::checkUtf8(bytes.sliced(encoding == core::Encoding::Utf8 ? 0 : 3)).valid);
    qint64 length = -1;
    const QByteArray buffer = core::fileBytesToEditorBytes(bytes, encoding, &length);
    FUZZ_CHECK(length == bytes.size());
    QByteArray joined;
    for (const QByteArray &piece : core::editorBytesToFilePieces(buffer, encoding).pieces)
        joined += piece;
    FUZZ_CHECK(joined == bytes);
    // A UTF-8 document needs no conversion: its buffer is the file's bytes after any mark.
    if (encoding == core::Encoding::Utf8 || encoding == core::Encoding::Utf8WithBom)
        FUZZ_CHECK(bytes.endsWith(buffer) && bytes.size() - buffer.size() <= core::Utf8Bom.size());
    (void)core::declarations(bytes);
}

/// Read in each encoding offered, whatever it is, and written unchanged: the same bytes, with the
/// encoding's byte-order mark in front when they lacked it, and counted as many.
void fileComesBackInEveryEncoding(const QByteArray &bytes)
{
    for (core::Encoding encoding : core::AllEncodings) {
        const QByteArrayView mark = core::byteOrderMark(encoding);
        const QByteArray expected = bytes.startsWith(mark) ? bytes : mark.toByteArray() + bytes;
        qint64 length = -1;
        const QByteArray buffer = core::fileBytesToEditorBytes(bytes, encoding, &length);
        FUZZ_CHECK(core::editorBytesToFileBytes(buffer, encoding) == expected);
        FUZZ_CHECK(length == expected.size());
        FUZZ_CHECK(core::encodedLength(buffer, encoding) + mark.size() == expected.size());
        // What the buffer holds is kept by a text too.
        FUZZ_CHECK(core::textToEditorBytes(core::editorBytesToText(buffer.constData(), buffer.size())) == buffer);
    }
}

void textComesBack(const QString &text)
{
    const QByteArray bytes = core::textToBytes(text);
    FUZZ_CHECK(core::bytesToText(bytes) == text);
    FUZZ_CHECK(core::textLength(text) == bytes.size());

    const QByteArray buffer = core::textToEditorBytes(text);
    FUZZ_CHECK(buffer == text.toUtf8());
    FUZZ_CHECK(core::editorBytesToText(buffer.constData(), buffer.size()) == text);
    FUZZ_CHECK(core::gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()) == bytes.size());
    FUZZ_CHECK(core::editorBytesToGb18030(buffer.constData(), buffer.size()) == bytes);

    // In every encoding that holds all of it, the text is read back as itself; an encoding that
    // does not names the characters, and those only.
    for (core::Encoding encoding : core::AllEncodings) {
        const core::FilePieces file = core::editorBytesToFilePieces(buffer, encoding, int(text.size()));
        if (file.refused()) {
            FUZZ_CHECK(file.unencodableCount == file.unencodable.size());
            for (const core::Unencodable &u : file.unencodable) {
                // Not QString::fromUcs4, which takes a leading U+FEFF for a byte-order mark.
                const QString one = QStringView(QChar::fromUcs4(u.character)).toString();
                FUZZ_CHECK(text.contains(one) && core::editorBytesToFilePieces(core::textToEditorBytes(one), encoding).refused());
            }
            continue;
        }
        QByteArray joined;
        for (const QByteArray &piece : file.pieces)
            joined += piece;
        FUZZ_CHECK(core::fileBytesToEditorBytes(joined, encoding) == buffer);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bytesComeBack(bytes);
    editorBufferComesBack(bytes);
    fileComesBackInItsEncoding(bytes);
    fileComesBackInEveryEncoding(bytes);
    textComesBack(validText(data, size));
    return 0;
}
