// SPDX-License-Identifier: GPL-3.0-or-later
// Text and bytes: whatever a file holds comes back unchanged through a text and through the
// editor's buffer, every real text survives being written and read again, and every length the
// status bar shows agrees with the bytes a save would write.
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
    const core::Encoding encoding = core::detectEncoding(bytes);
    if (encoding == core::Encoding::Utf8)
        FUZZ_CHECK(fast.valid);
    qint64 length = -1;
    const QByteArray buffer = core::fileBytesToEditorBytes(bytes, encoding, &length);
    FUZZ_CHECK(length == bytes.size());
    FUZZ_CHECK(core::editorBytesToFileBytes(buffer, encoding) == bytes);
    QByteArray joined;
    for (const QByteArray &piece : core::editorBytesToFilePieces(buffer, encoding))
        joined += piece;
    FUZZ_CHECK(joined == bytes);
    // A UTF-8 document needs no conversion: its buffer is the file's bytes after any mark.
    if (encoding != core::Encoding::Gb18030)
        FUZZ_CHECK(bytes.endsWith(buffer) && bytes.size() - buffer.size() <= core::Utf8Bom.size());
    (void)core::declaredEncoding(bytes);
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bytesComeBack(bytes);
    editorBufferComesBack(bytes);
    fileComesBackInItsEncoding(bytes);
    textComesBack(validText(data, size));
    return 0;
}
