// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodings.h"

#include "texts.h"
#include "utf8_check.h"

#include <QStringList>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace core {

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Gb18030: return u"GB18030 (GB2312/GBK)"_s;
    case Encoding::Utf8: return u"UTF-8"_s;
    case Encoding::Utf8WithBom: return u"UTF-8 with BOM"_s;
    case Encoding::Utf16Le: return u"UTF-16 LE"_s;
    case Encoding::Utf16Be: return u"UTF-16 BE"_s;
    case Encoding::Big5: return u"Big5"_s;
    case Encoding::ShiftJis: return u"Shift_JIS"_s;
    case Encoding::EucKr: return u"EUC-KR"_s;
    case Encoding::Windows1252: return u"Windows-1252"_s;
    }
    return {};
}

const char *converterName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Gb18030: return "GB18030";
    case Encoding::Utf8:
    case Encoding::Utf8WithBom: return "UTF-8";
    case Encoding::Utf16Le: return "UTF-16LE";
    case Encoding::Utf16Be: return "UTF-16BE";
    case Encoding::Big5: return "windows-950";
    case Encoding::ShiftJis: return "windows-31j";
    case Encoding::EucKr: return "windows-949";
    case Encoding::Windows1252: return "windows-1252";
    }
    return "";
}

QByteArrayView byteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8WithBom: return Utf8Bom;
    case Encoding::Utf16Le: return "\xFF\xFE";
    case Encoding::Utf16Be: return "\xFE\xFF";
    default: return {};
    }
}

namespace {

/// Whether every sequence above ASCII of valid UTF-8 is two bytes long and reads as a GB2312
/// character too. UTF-8's two-byte leads (C2..DF) fall in GB2312's rows of characters (B0..F7), and
/// its trail bytes (80..BF) make a character there from A1 on: so the bytes hold no byte from E0
/// (a longer sequence) and none from 80 to A0.
bool twoByteSequencesReadAsGb2312(QByteArrayView bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0xE0 || (uchar(c) >= 0x80 && uchar(c) <= 0xA0))
            return false;
    return true;
}

/// Whether valid UTF-8 holds a sequence of three or more bytes: a lead byte from E0 up.
bool holdsLongSequence(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0xE0; });
}

} // namespace

Detection detectEncoding(QByteArrayView bytes)
{
    for (Encoding marked : {Encoding::Utf8WithBom, Encoding::Utf16Le, Encoding::Utf16Be}) {
        const QByteArrayView mark = byteOrderMark(marked);
        if (!bytes.startsWith(mark))
            continue;
        const QByteArrayView rest = bytes.sliced(mark.size());
        const bool valid = marked == Encoding::Utf8WithBom ? checkUtf8(rest).valid
                                                           : isUtf16(rest, marked == Encoding::Utf16Be);
        if (valid)
            return {marked, EncodingSource::ByteOrderMark};
    }
    const Utf8Check check = checkUtf8(bytes);
    if (check.valid && check.multibyte && holdsLongSequence(bytes))
        return {Encoding::Utf8, EncodingSource::Bytes};
    const Declaration declared = declaredEncoding(bytes);
    if (declared.utf8() && check.valid)
        return {Encoding::Utf8, EncodingSource::Declaration};
    if (declared.gbFamily() && isGb18030(bytes))
        return {Encoding::Gb18030, EncodingSource::Declaration};
    if (check.valid && check.multibyte && !twoByteSequencesReadAsGb2312(bytes))
        return {Encoding::Utf8, EncodingSource::Bytes};
    return {Encoding::Gb18030, EncodingSource::Bytes};
}

// ---- declarations --------------------------------------------------------------------------

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}
bool isNameChar(char c) { return isWordChar(c) || c == '.' || c == ':'; }

/// Where the lower-case word starts in the text at or after from, ignoring case; -1 when nowhere.
/// A word that ends another one (accept-charset, x_codepage) does not count.
qsizetype findWord(QByteArrayView text, QByteArrayView word, qsizetype from)
{
    for (qsizetype i = from; i + word.size() <= text.size(); ++i) {
        if (lower(text[i]) != word[0])
            continue;
        qsizetype k = 1;
        while (k < word.size() && lower(text[i + k]) == word[k])
            ++k;
        if (k == word.size() && !(i > 0 && isWordChar(text[i - 1])))
            return i;
    }
    return -1;
}

/// Where the value after a keyword stands: blanks, then "=" or "(" and blanks, and an optional
/// quote; a keyword followed by none of these is prose, not a declaration. Empty: none.
std::pair<qsizetype, qsizetype> valueAfter(QByteArrayView text, qsizetype i, bool digits)
{
    auto skipBlanks = [&] {
        while (i < text.size() && isSpace(text[i]))
            ++i;
    };
    skipBlanks();
    bool marked = false;
    if (i < text.size() && (text[i] == '=' || text[i] == '(')) {
        marked = true;
        ++i;
        skipBlanks();
    }
    if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
        marked = true;
        ++i;
        skipBlanks();
    }
    if (!marked)
        return {i, 0};
    const qsizetype start = i;
    while (i < text.size() && (digits ? (text[i] >= '0' && text[i] <= '9') : isNameChar(text[i])))
        ++i;
    return {start, i - start};
}

/// Each encoding offered with the names browsers take for it (lower case, the first the one
/// written) and its code pages with the names they go by (the first written).
struct Labels {
    Encoding encoding;
    std::vector<const char *> names;
    std::vector<std::pair<const char *, const char *>> codePages;
};
const std::vector<Labels> &knownLabels()
{
    static const std::vector<Labels> labels{
        {Encoding::Utf8,
         {"utf-8", "utf8", "unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8", "x-unicode20utf8"},
         {{"65001", "utf-8"}}},
        {Encoding::Gb18030,
         {"gb2312", "gbk", "gb18030", "x-gbk", "chinese", "csgb2312", "csiso58gb231280", "gb_2312", "gb_2312-80",
          "iso-ir-58"},
         {{"936", "gbk"}, {"54936", "gb18030"}, {"20936", "gb2312"}}},
        {Encoding::Utf16Le,
         {"utf-16", "utf-16le", "unicode", "ucs-2", "csunicode", "iso-10646-ucs-2", "unicodefeff"},
         {{"1200", "utf-16le"}}},
        {Encoding::Utf16Be, {"utf-16be", "unicodefffe"}, {{"1201", "utf-16be"}}},
        {Encoding::Big5, {"big5", "big5-hkscs", "cn-big5", "csbig5", "x-x-big5"}, {{"950", "big5"}}},
        {Encoding::ShiftJis,
         {"shift_jis", "shift-jis", "sjis", "ms_kanji", "csshiftjis", "windows-31j", "x-sjis", "ms932"},
         {{"932", "shift_jis"}}},
        {Encoding::EucKr,
         {"euc-kr", "cseuckr", "csksc56011987", "iso-ir-149", "korean", "ks_c_5601-1987", "ks_c_5601-1989",
          "ksc5601", "ksc_5601", "windows-949"},
         {{"949", "ks_c_5601-1987"}, {"51949", "euc-kr"}}},
        {Encoding::Windows1252,
         {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "iso88591", "iso_8859-1",
          "iso_8859-1:1987", "latin1", "l1", "cp819", "ibm819", "csisolatin1", "iso-ir-100", "us-ascii", "ascii",
          "ansi_x3.4-1968"},
         {{"1252", "windows-1252"}, {"28591", "iso-8859-1"}, {"20127", "us-ascii"}}},
    };
    return labels;
}

QString codePageName(QByteArrayView number)
{
    for (const Labels &l : knownLabels())
        for (const auto &[page, name] : l.codePages)
            if (number == page)
                return QString::fromLatin1(name);
    return u"cp"_s + QString::fromLatin1(number);
}

const Labels &labelsOf(Encoding encoding)
{
    if (encoding == Encoding::Utf8WithBom)
        encoding = Encoding::Utf8;
    return *std::find_if(knownLabels().begin(), knownLabels().end(), [&](const Labels &l) { return l.encoding == encoding; });
}

} // namespace

QList<Declaration> declarations(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(std::min(bytes.size(), DeclarationWindow));
    QList<Declaration> found;
    qsizetype charsetAt = findWord(head, "charset", 0);
    qsizetype codePageAt = findWord(head, "codepage", 0);
    while (charsetAt >= 0 || codePageAt >= 0) {
        const bool charset = charsetAt >= 0 && (codePageAt < 0 || charsetAt < codePageAt);
        qsizetype &at = charset ? charsetAt : codePageAt;
        const auto [valueAt, length] = valueAfter(head, at + (charset ? 7 : 8), !charset);
        if (length > 0) {
            const QByteArrayView value = head.sliced(valueAt, length);
            const QString name = charset ? QString::fromLatin1(value).toLower() : codePageName(value);
            found.append({.name = name, .at = valueAt, .length = length, .codePage = !charset});
        }
        at = findWord(head, charset ? "charset" : "codepage", at + 1);
    }
    return found;
}

Declaration declaredEncoding(QByteArrayView bytes)
{
    const QList<Declaration> all = declarations(bytes);
    return all.isEmpty() ? Declaration{} : all.first();
}

std::optional<Encoding> Declaration::encoding() const
{
    const QByteArray latin = name.toLatin1();
    for (const Labels &l : knownLabels())
        for (const char *label : l.names)
            if (latin == label)
                return l.encoding;
    return std::nullopt;
}

bool Declaration::utf8() const { return encoding() == Encoding::Utf8; }

bool Declaration::gbFamily() const { return encoding() == Encoding::Gb18030; }

QByteArray declarationText(Encoding encoding, bool codePage)
{
    const Labels &labels = labelsOf(encoding);
    return codePage ? labels.codePages.front().first : labels.names.front();
}

bool declarationDisagrees(const Declaration &declaration, Encoding encoding)
{
    if (!declaration.declared() || !byteOrderMark(encoding).isEmpty())
        return false; // browsers go by a byte-order mark before any declaration
    return declaration.encoding() != encoding;
}

} // namespace core
