// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include "raw_bytes.h"
#include "utf8.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace core {
namespace {

constexpr char16_t EscapeFirst = 0xDC80; // U+DC80 + (byte - 0x80)
constexpr char16_t EscapeLast = 0xDCFF;

bool isEscapeCode(char16_t c) { return c >= EscapeFirst && c <= EscapeLast; }

/// An escaped byte is a low surrogate in the escape range that does not complete a pair.
bool isEscapeAt(const QString &text, qsizetype i)
{
    return isEscapeCode(text.at(i).unicode()) && !(i > 0 && text.at(i - 1).isHighSurrogate());
}

// A leading U+FEFF is text like any other: dropping it would change the bytes written back.
constexpr auto ConverterFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QStringEncoder gbEncoder() { return QStringEncoder("GB18030", ConverterFlags); }
QStringDecoder gbDecoder() { return QStringDecoder("GB18030", ConverterFlags); }

/// Length of the structurally well-formed GB18030 sequence starting at p (1, 2 or 4), or 0
/// when the byte there cannot start one.
inline int sequenceLength(const uchar *p, qsizetype left)
{
    const uchar b = p[0];
    if (b < 0x80)
        return 1;
    if (b == 0x80 || b == 0xFF || left < 2)
        return 0;
    const uchar t = p[1];
    if ((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFE))
        return 2;
    if (t >= 0x30 && t <= 0x39 && left >= 4 && p[2] >= 0x81 && p[2] <= 0xFE && p[3] >= 0x30 && p[3] <= 0x39)
        return 4;
    return 0;
}

/// The GB18030 bytes of every BMP code point above ASCII, as the codec writes them: a two-byte
/// code in the low 16 bits, a four-byte one in all 32 (first byte highest). Surrogates have
/// none. Read from the codec itself, once, on the first character that needs it.
const std::array<quint32, 0x10000> &encodingTable()
{
    static const std::unique_ptr<std::array<quint32, 0x10000>> table = [] {
        auto codes = std::make_unique<std::array<quint32, 0x10000>>();
        QString all;
        all.reserve(0x10000);
        for (char32_t c = 0x80; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF)
                all.append(QChar(char16_t(c)));
        auto enc = gbEncoder();
        const QByteArray out = enc(all);
        const auto *p = reinterpret_cast<const uchar *>(out.constData());
        qsizetype i = 0;
        for (QChar qc : std::as_const(all)) {
            // The second byte of a four-byte code is a digit; of a two-byte code, never.
            if (i + 3 < out.size() && p[i + 1] >= 0x30 && p[i + 1] <= 0x39) {
                (*codes)[qc.unicode()] = quint32(p[i]) << 24 | quint32(p[i + 1]) << 16 | quint32(p[i + 2]) << 8 | p[i + 3];
                i += 4;
            } else {
                (*codes)[qc.unicode()] = quint32(p[i]) << 8 | p[i + 1];
                i += 2;
            }
        }
        return codes;
    }();
    return *table;
}

/// Writes the GB18030 bytes of a code point above ASCII; returns the end of what was written.
char *putGb18030(char *out, char32_t cp, const std::array<quint32, 0x10000> &table)
{
    quint32 code;
    if (cp >= 0x10000) {
        // Beyond the BMP the four-byte codes run in order from 0x90308130.
        quint32 n = cp - 0x10000;
        const quint32 b4 = 0x30 + n % 10;
        n /= 10;
        const quint32 b3 = 0x81 + n % 126;
        n /= 126;
        const quint32 b2 = 0x30 + n % 10;
        code = (0x90 + n / 10) << 24 | b2 << 16 | b3 << 8 | b4;
    } else {
        code = table[cp];
    }
    if (code > 0xFFFF) {
        *out++ = char(code >> 24);
        *out++ = char(code >> 16);
    }
    *out++ = char(code >> 8);
    *out++ = char(code);
    return out;
}

/// The inverse of the encoding table: the character of every two-byte code, and of every
/// four-byte code below the planes beyond the BMP (by its running number), 0 where there is none.
/// A sequence is read as a character only when that character is written back as the same bytes.
struct DecodingTable {
    static constexpr int TwoByteCodes = 126 * 191; // leads 0x81..0xFE, trails 0x40..0xFE
    static constexpr int BmpFourByteCodes = 4 * 12600; // leads 0x81..0x84
    std::array<char16_t, TwoByteCodes> two{};
    std::array<char16_t, BmpFourByteCodes> four{};
};

/// Running number of a four-byte code: 0 for 0x81308130.
quint32 fourByteIndex(const uchar *p)
{
    return ((quint32(p[0] - 0x81) * 10 + (p[1] - 0x30)) * 126 + (p[2] - 0x81)) * 10 + (p[3] - 0x30);
}

const DecodingTable &decodingTable()
{
    static const std::unique_ptr<DecodingTable> table = [] {
        auto t = std::make_unique<DecodingTable>();
        const auto &codes = encodingTable();
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const quint32 code = codes[c];
            if (code <= 0xFFFF) {
                t->two[((code >> 8) - 0x81) * 191 + ((code & 0xFF) - 0x40)] = char16_t(c);
            } else {
                const uchar b[4] = {uchar(code >> 24), uchar(code >> 16), uchar(code >> 8), uchar(code)};
                if (const quint32 n = fourByteIndex(b); n < DecodingTable::BmpFourByteCodes)
                    t->four[n] = char16_t(c);
            }
        }
        return t;
    }();
    return *table;
}

/// The character of the well-formed sequence of n (2 or 4) bytes at p, or 0 when it has none.
inline char32_t decodeGb18030(const uchar *p, int n, const DecodingTable &table)
{
    if (n == 2)
        return table.two[(p[0] - 0x81) * 191 + (p[1] - 0x40)];
    if (p[0] <= 0x84) {
        const quint32 i = fourByteIndex(p);
        return i < DecodingTable::BmpFourByteCodes ? table.four[i] : 0;
    }
    if (p[0] < 0x90)
        return 0;
    // Beyond the BMP the four-byte codes run in order from 0x90308130.
    const quint32 i = fourByteIndex(p) - (0x90 - 0x81) * 12600;
    return i <= 0x10FFFF - 0x10000 ? char32_t(0x10000 + i) : 0;
}

void appendEscape(QString &out, uchar b) { out.append(QChar(char16_t(EscapeFirst + (b - 0x80)))); }

/// Decodes UTF-8 with every byte that is not part of a valid sequence escaped.
QString decodeUtf8Escaping(const char *data, qsizetype size)
{
    QString out;
    out.reserve(size);
    const auto *p = reinterpret_cast<const uchar *>(data);
    qsizetype i = 0;
    while (i < size) {
        const uchar b = p[i];
        if (b < 0x80) {
            out.append(QChar(char16_t(b)));
            ++i;
            continue;
        }
        const Utf8Sequence s = readUtf8(p + i, size - i);
        if (s.length == 0) {
            appendEscape(out, b);
            ++i;
            continue;
        }
        if (s.codePoint >= 0x10000) {
            out.append(QChar::highSurrogate(s.codePoint));
            out.append(QChar::lowSurrogate(s.codePoint));
        } else {
            out.append(QChar(char16_t(s.codePoint)));
        }
        i += s.length;
    }
    return out;
}

/// Three escaped bytes that spell a raw-byte escape of the editor's buffer (ED B0..B3 80..BF,
/// raw_bytes.h) stand for the one byte the buffer means by it, as a save from the buffer writes it.
/// No GB18030 file gives them (ED B0..B3 is a character there), so texts read from files keep
/// their escapes one byte each. Returns the length in text units (3) and the byte, or 0.
int bufferEscapeAt(const QString &text, qsizetype i, uchar *byte)
{
    if (i + 2 >= text.size() || text.at(i).unicode() != EscapeFirst + (0xED - 0x80) || !isEscapeAt(text, i))
        return 0;
    const char16_t second = text.at(i + 1).unicode(), third = text.at(i + 2).unicode();
    const auto escaped = [](char16_t c, uchar low, uchar high) {
        return c >= EscapeFirst + (low - 0x80) && c <= EscapeFirst + (high - 0x80);
    };
    if (!escaped(second, 0xB0, 0xB3) || !escaped(third, 0x80, 0xBF))
        return 0;
    *byte = uchar((second & 0x03) << 6 | ((third - EscapeFirst) & 0x3F));
    return 3;
}

bool hasEscapes(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isEscapeAt(text, i))
            return true;
    return false;
}

} // namespace

QByteArray textToBytes(const Text &text)
{
    auto enc = gbEncoder();
    if (!hasEscapes(text))
        return enc(text);
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isEscapeAt(text, i))
            continue;
        if (i > runStart)
            out.append(enc(QStringView(text).mid(runStart, i - runStart)));
        if (i == text.size())
            break;
        uchar byte;
        if (const int n = bufferEscapeAt(text, i, &byte)) {
            out.append(char(byte));
            i += n - 1;
        } else {
            out.append(char(0x80 + (text.at(i).unicode() - EscapeFirst)));
        }
        runStart = i + 1;
    }
    return out;
}

Text bytesToText(const QByteArray &bytes)
{
    {
        auto dec = gbDecoder();
        QString text = dec(bytes);
        if (!dec.hasError())
            return text;
    }
    // Slow path: decode sequence by sequence, escaping each byte that does not start a
    // sequence which decodes to one character and encodes back to the same bytes.
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        int n = sequenceLength(p + i, size - i);
        if (n == 1) {
            out.append(QChar(char16_t(p[i])));
            ++i;
            continue;
        }
        if (n > 1) {
            const QByteArray seq(bytes.constData() + i, n);
            auto dec = gbDecoder();
            const QString one = dec(seq);
            auto enc = gbEncoder();
            const QByteArray back = enc(one);
            if (!dec.hasError() && !one.isEmpty() && one.size() <= 2 && back == seq) {
                out.append(one);
                i += n;
                continue;
            }
        }
        appendEscape(out, p[i]);
        ++i;
    }
    return out;
}

int gb18030Length(char32_t cp)
{
    if (cp < 0x80)
        return 1;
    if (cp >= 0xD800 && cp <= 0xDFFF)
        return 1; // an escaped byte (or a stray surrogate, written as one substitute byte)
    if (cp >= 0x10000)
        return 4;
    return encodingTable()[cp] > 0xFFFF ? 4 : 2;
}

qsizetype textLength(const Text &text)
{
    qsizetype n = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            ++n;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            n += 4;
            ++i;
        } else if (QChar::isSurrogate(c)) {
            // An escaped byte (or a stray surrogate, written as one substitute byte).
            uchar byte;
            i += std::max(1, bufferEscapeAt(text, i, &byte)) - 1;
            ++n;
        } else {
            n += gb18030Length(c);
        }
    }
    return n;
}

Text joinTexts(std::initializer_list<Text> texts)
{
    QString out;
    for (const auto &t : texts)
        out += t;
    return out;
}

int compareTexts(const Text &a, const Text &b)
{
    const QByteArray x = textToBytes(a), y = textToBytes(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

double toNumber(const Text &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QByteArray num;
    auto digit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        num.append(char(text[i++].unicode()));
    bool any = false;
    while (digit(i)) {
        num.append(char(text[i++].unicode()));
        any = true;
    }
    if (i < n && text[i] == u'.') {
        num.append('.');
        ++i;
        while (digit(i)) {
            num.append(char(text[i++].unicode()));
            any = true;
        }
    }
    if (!any)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        QByteArray exp("e");
        if (k < n && (text[k] == u'+' || text[k] == u'-'))
            exp.append(char(text[k++].unicode()));
        if (digit(k)) {
            while (digit(k))
                exp.append(char(text[k++].unicode()));
            num.append(exp);
        }
    }
    return std::strtod(num.constData(), nullptr);
}

Text toText(int value) { return QString::number(value); }
Text toText(long long value) { return QString::number(value); }

Text toText(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.13g", value);
    return QString::fromLatin1(buf);
}

double roundTo(double x, int decimals)
{
    if (x == 0)
        return x;
    const double m = std::fabs(x);
    double r, i;
    if (decimals > 0) {
        const double s = std::pow(10.0, decimals);
        const double f = std::modf(s * m + 1e-12, &i);
        r = (f >= 0.5 ? i + 1 : i) / s;
    } else if (decimals == 0) {
        const double f = std::modf(m + 1e-12, &i);
        r = f >= 0.5 ? i + 1 : i;
    } else {
        const double s = std::pow(10.0, -decimals);
        const double f = std::modf(m / s + 1e-12, &i);
        r = (f >= 0.5 ? i + 1 : i) * s;
    }
    return x < 0 ? -r : r;
}

QByteArray textToEditorBytes(const Text &text)
{
    if (!hasEscapes(text))
        return text.toUtf8();
    QByteArray out;
    out.reserve(text.size() * 3);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isEscapeAt(text, i))
            continue;
        if (i > runStart)
            out.append(QStringView(text).mid(runStart, i - runStart).toUtf8());
        if (i < text.size())
            out.append(char(0x80 + (text.at(i).unicode() - EscapeFirst)));
        runStart = i + 1;
    }
    return out;
}

Text editorBytesToText(const char *data, qsizetype size)
{
    QStringDecoder dec(QStringConverter::Utf8, ConverterFlags);
    QString text = dec(QByteArrayView(data, size));
    if (!dec.hasError())
        return text;
    return decodeUtf8Escaping(data, size);
}

QByteArray editorBytesToGb18030(const char *data, qsizetype size)
{
    // At most two GB18030 bytes for each UTF-8 byte (a two-byte character may take four); pages
    // of the buffer never written cost no memory.
    QByteArray out(size * 2, Qt::Uninitialized);
    char *end = out.data();
    const auto *p = reinterpret_cast<const uchar *>(data);
    const std::array<quint32, 0x10000> *table = nullptr; // read on the first character that needs it
    qsizetype i = 0;
    while (i < size) {
        if (p[i] < 0x80) {
            *end++ = data[i++]; // ASCII is the same byte in both
            continue;
        }
        const Utf8Sequence s = readUtf8(p + i, size - i);
        if (s.length == 0) {
            const RawByte raw = readRawByte(p + i, size - i); // a raw byte goes out as itself
            *end++ = char(raw.byte);
            i += raw.length;
            continue;
        }
        if (!table)
            table = &encodingTable();
        end = putGb18030(end, s.codePoint, *table);
        i += s.length;
    }
    out.truncate(end - out.constData());
    return out;
}

QByteArray gb18030ToEditorBytes(const QByteArray &bytes)
{
    // At most three UTF-8 bytes for each two GB18030 bytes.
    const qsizetype size = bytes.size();
    EditorBytesWriter out(size, 1.5);
    char *end = out.begin();
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const DecodingTable *table = nullptr; // read on the first character that needs it
    qsizetype i = 0;
    while (i < size) {
        if (p[i] < 0x80) {
            *end++ = char(p[i++]); // ASCII is the same byte in both
            continue;
        }
        const int n = sequenceLength(p + i, size - i);
        if (n > 1 && !table)
            table = &decodingTable();
        if (const char32_t cp = n > 1 ? decodeGb18030(p + i, n, *table) : 0) {
            end = putUtf8(end, cp);
            i += n;
        } else {
            end = out.raw(end, p[i++]); // a byte that starts no character
        }
    }
    return out.take(end);
}

bool isGb18030(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    const DecodingTable *table = nullptr;
    qsizetype i = 0;
    while (i < size) {
        // Markup is mostly ASCII: eight bytes at a time until one is not.
        while (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int n = sequenceLength(p + i, size - i);
        if (n < 2)
            return false;
        if (!table)
            table = &decodingTable();
        if (!decodeGb18030(p + i, n, *table))
            return false;
        i += n;
    }
    return true;
}

qsizetype gb18030LengthOfEditorBytes(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const uchar *>(data);
    qsizetype n = 0, i = 0;
    while (i < size) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++n;
            ++i;
            continue;
        }
        const Utf8Sequence s = readUtf8(p + i, size - i);
        if (s.length == 0) {
            ++n; // a raw byte stands for one byte
            i += readRawByte(p + i, size - i).length;
        } else {
            n += gb18030Length(s.codePoint);
            i += s.length;
        }
    }
    return n;
}

} // namespace core
