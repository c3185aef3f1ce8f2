// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of encodings.h between a file's bytes in each encoding and the editor's buffer.
// Reading writes characters and raw bytes through EditorBytesWriter; writing goes through the
// buffer's characters and raw bytes in order (walkBuffer). GB18030 has converters of its own, tuned
// for large files (texts.cpp), that carry raw bytes the same way.
#include "encodings.h"

#include "code_pages.h"
#include "raw_bytes.h"
#include "texts.h"
#include "utf8.h"
#include "utf8_check.h"

#include <cstring>

namespace core {
namespace {

bool isUtf8(Encoding e) { return e == Encoding::Utf8 || e == Encoding::Utf8WithBom; }
bool isUtf16(Encoding e) { return e == Encoding::Utf16Le || e == Encoding::Utf16Be; }

/// Each table read from its converter once, on the first file in the encoding.
template <Encoding E>
const CodePage &codePageOf()
{
    static const std::unique_ptr<const CodePage> page = CodePage::read(converterName(E));
    return *page;
}

const CodePage &codePage(Encoding encoding)
{
    switch (encoding) {
    case Encoding::ShiftJis: return codePageOf<Encoding::ShiftJis>();
    case Encoding::EucKr: return codePageOf<Encoding::EucKr>();
    case Encoding::Windows1252: return codePageOf<Encoding::Windows1252>();
    default: return codePageOf<Encoding::Big5>();
    }
}

/// Goes through the editor's buffer in order: ascii(byte), character(code point, where it
/// starts) for each character above ASCII, raw(byte) with the byte each raw byte carries.
template <class Ascii, class Character, class Raw>
void walkBuffer(QByteArrayView buffer, Ascii &&ascii, Character &&character, Raw &&raw)
{
    const auto *p = reinterpret_cast<const uchar *>(buffer.data());
    const qsizetype size = buffer.size();
    qsizetype i = 0;
    while (i < size) {
        if (p[i] < 0x80) {
            ascii(p[i++]);
            continue;
        }
        const Utf8Sequence s = readUtf8(p + i, size - i);
        if (s.length > 0) {
            character(s.codePoint, i);
            i += s.length;
            continue;
        }
        const RawByte r = readRawByte(p + i, size - i);
        raw(r.byte);
        i += r.length;
    }
}

/// Output of known greatest length, written through a pointer and cut to size at the end.
class Output {
public:
    explicit Output(qsizetype room) : bytes_(room, Qt::Uninitialized), end_(bytes_.data()) {}
    void put(uchar b) { *end_++ = char(b); }
    void putUnit(char16_t u, bool bigEndian)
    {
        put(bigEndian ? u >> 8 : u & 0xFF);
        put(bigEndian ? u & 0xFF : u >> 8);
    }
    void putUtf8(char32_t cp) { end_ = core::putUtf8(end_, cp); }
    QByteArray take()
    {
        bytes_.truncate(end_ - bytes_.constData());
        return std::move(bytes_);
    }

private:
    QByteArray bytes_;
    char *end_;
};

/// Notes the characters an encoding cannot hold: the first few with their lines, and how many.
class Refusals {
public:
    Refusals(QByteArrayView buffer, int reported, FilePieces &result)
        : buffer_(buffer), reported_(reported), result_(result)
    {
    }
    void add(char32_t c, qsizetype at)
    {
        if (result_.unencodable.size() < reported_) {
            // Lines end as the editor ends them: CR LF, LF or CR.
            for (; counted_ < at; ++counted_)
                if (buffer_[counted_] == '\n' ||
                    (buffer_[counted_] == '\r' && (counted_ + 1 == buffer_.size() || buffer_[counted_ + 1] != '\n')))
                    ++line_;
            result_.unencodable.append({c, line_});
        }
        ++result_.unencodableCount;
    }

private:
    QByteArrayView buffer_;
    int reported_;
    FilePieces &result_;
    qsizetype counted_ = 0; // lines are counted up to here
    qint64 line_ = 1;
};

QByteArray utf8ToEditorBytes(QByteArray bytes, bool *rawBytes)
{
    const bool valid = checkUtf8(bytes).valid;
    if (rawBytes)
        *rawBytes = !valid;
    if (valid)
        return bytes; // the editor's buffer is UTF-8 already
    EditorBytesWriter out(bytes.size(), 1);
    char *end = out.begin();
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int n = readUtf8(p + i, size - i).length;
        if (n > 0) {
            std::memcpy(end, p + i, size_t(n));
            end += n;
            i += n;
        } else {
            end = out.raw(end, p[i++]);
        }
    }
    return out.take(end);
}

char16_t unitAt(const uchar *p, bool bigEndian) { return bigEndian ? char16_t(p[0] << 8 | p[1]) : char16_t(p[1] << 8 | p[0]); }

QByteArray utf16ToEditorBytes(QByteArrayView bytes, bool bigEndian)
{
    // At most three UTF-8 bytes for each two of UTF-16.
    EditorBytesWriter out(bytes.size(), 1.5);
    char *end = out.begin();
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 1 < size; i += 2) {
        const char16_t u = unitAt(p + i, bigEndian);
        if (u < 0x80) {
            *end++ = char(u);
        } else if (!QChar::isSurrogate(u)) {
            end = putUtf8(end, u);
        } else if (QChar::isHighSurrogate(u) && i + 3 < size && QChar::isLowSurrogate(unitAt(p + i + 2, bigEndian))) {
            end = putUtf8(end, QChar::surrogateToUcs4(u, unitAt(p + i + 2, bigEndian)));
            i += 2;
        } else { // a surrogate out of its pair: its two bytes
            end = out.raw(end, p[i]);
            end = out.raw(end, p[i + 1]);
        }
    }
    if (i < size)
        end = out.raw(end, p[i]); // half a unit at the end
    return out.take(end);
}

QByteArray codePageToEditorBytes(QByteArrayView bytes, const CodePage &page)
{
    // At most three UTF-8 bytes for each byte.
    EditorBytesWriter out(bytes.size(), 3);
    char *end = out.begin();
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const uchar b = p[i];
        if (b < 0x80) {
            *end++ = char(b);
            ++i;
        } else if (const char16_t one = page.single(b)) {
            end = putUtf8(end, one);
            ++i;
        } else if (const char16_t two = i + 1 < size ? page.pair(p + i) : 0) {
            end = putUtf8(end, two);
            i += 2;
        } else {
            end = out.raw(end, b);
            ++i;
        }
    }
    return out.take(end);
}

QByteArray editorBytesToUtf8(QByteArrayView buffer)
{
    Output out(buffer.size());
    walkBuffer(buffer, [&](uchar b) { out.put(b); }, [&](char32_t c, qsizetype) { out.putUtf8(c); },
               [&](uchar b) { out.put(b); });
    return out.take();
}

QByteArray editorBytesToUtf16(QByteArrayView buffer, bool bigEndian)
{
    // ASCII doubles; nothing else grows.
    Output out(buffer.size() * 2);
    walkBuffer(
        buffer, [&](uchar b) { out.putUnit(b, bigEndian); },
        [&](char32_t c, qsizetype) {
            if (c < 0x10000) {
                out.putUnit(char16_t(c), bigEndian);
            } else {
                out.putUnit(QChar::highSurrogate(c), bigEndian);
                out.putUnit(QChar::lowSurrogate(c), bigEndian);
            }
        },
        [&](uchar b) { out.put(b); });
    return out.take();
}

QByteArray editorBytesToCodePage(QByteArrayView buffer, const CodePage &page, Refusals &refusals)
{
    // A code is never longer than the UTF-8 of its character.
    Output out(buffer.size());
    walkBuffer(
        buffer, [&](uchar b) { out.put(b); },
        [&](char32_t c, qsizetype at) {
            const quint16 code = page.code(c);
            if (!code) {
                refusals.add(c, at);
            } else {
                if (code > 0xFF)
                    out.put(uchar(code >> 8));
                out.put(uchar(code));
            }
        },
        [&](uchar b) { out.put(b); });
    return out.take();
}

} // namespace

bool isUtf16(QByteArrayView bytes, bool bigEndian)
{
    if (bytes.size() % 2)
        return false;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const char16_t u = unitAt(p + i, bigEndian);
        if (!QChar::isSurrogate(u))
            continue;
        if (!QChar::isHighSurrogate(u) || i + 2 >= bytes.size() || !QChar::isLowSurrogate(unitAt(p + i + 2, bigEndian)))
            return false;
        i += 2;
    }
    return true;
}

QByteArray fileBytesToEditorBytes(QByteArray bytes, Encoding encoding, qint64 *fileLength, bool *rawBytes)
{
    // The mark is the encoding's, not the text's; saving writes it whether or not the file had it.
    const QByteArrayView mark = byteOrderMark(encoding);
    const qint64 length = bytes.size() + (bytes.startsWith(mark) ? 0 : mark.size());
    bytes.remove(0, bytes.startsWith(mark) ? mark.size() : 0);
    if (fileLength)
        *fileLength = length;
    if (rawBytes)
        *rawBytes = true;
    switch (encoding) {
    case Encoding::Gb18030: return gb18030ToEditorBytes(bytes);
    case Encoding::Utf8:
    case Encoding::Utf8WithBom: return utf8ToEditorBytes(std::move(bytes), rawBytes);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: return utf16ToEditorBytes(bytes, encoding == Encoding::Utf16Be);
    default: return codePageToEditorBytes(bytes, codePage(encoding));
    }
}

FilePieces editorBytesToFilePieces(QByteArrayView buffer, Encoding encoding, int reported)
{
    FilePieces result;
    const QByteArrayView mark = byteOrderMark(encoding);
    if (!mark.isEmpty())
        result.pieces.append(mark.toByteArray());
    if (encoding == Encoding::Gb18030) {
        result.pieces.append(editorBytesToGb18030(buffer.data(), buffer.size()));
    } else if (isUtf8(encoding)) {
        // Text without raw bytes is written straight from the buffer.
        result.pieces.append(checkUtf8(buffer).valid ? QByteArray::fromRawData(buffer.data(), buffer.size())
                                                     : editorBytesToUtf8(buffer));
    } else if (isUtf16(encoding)) {
        result.pieces.append(editorBytesToUtf16(buffer, encoding == Encoding::Utf16Be));
    } else {
        Refusals refusals(buffer, reported, result);
        const QByteArray bytes = editorBytesToCodePage(buffer, codePage(encoding), refusals);
        if (result.refused())
            result.pieces.clear();
        else
            result.pieces.append(bytes);
    }
    return result;
}

QByteArray editorBytesToFileBytes(QByteArrayView buffer, Encoding encoding)
{
    QByteArray joined;
    for (const QByteArray &piece : editorBytesToFilePieces(buffer, encoding, 0).pieces)
        joined += piece;
    return joined;
}

qint64 encodedLength(QByteArrayView buffer, Encoding encoding)
{
    if (encoding == Encoding::Gb18030)
        return gb18030LengthOfEditorBytes(buffer.data(), buffer.size());
    qint64 n = 0;
    auto one = [&](uchar) { ++n; };
    if (isUtf8(encoding)) {
        walkBuffer(buffer, one, [&](char32_t c, qsizetype) { n += c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }, one);
    } else if (isUtf16(encoding)) {
        walkBuffer(buffer, [&](uchar) { n += 2; }, [&](char32_t c, qsizetype) { n += c < 0x10000 ? 2 : 4; }, one);
    } else {
        const CodePage &page = codePage(encoding);
        walkBuffer(buffer, one, [&](char32_t c, qsizetype) { n += page.code(c) > 0xFF ? 2 : page.code(c) ? 1 : 0; }, one);
    }
    return n;
}

} // namespace core
