// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodings.h"

#include "texts.h"
#include "utf8_check.h"

#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace core {

Encoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return checkUtf8(bytes.sliced(Utf8Bom.size())).valid ? Encoding::Utf8WithBom : Encoding::Gb18030;
    const Utf8Check check = checkUtf8(bytes);
    if (check.valid && check.multibyte)
        return Encoding::Utf8;
    // Pure ASCII reads the same either way; the page's own word decides what Chinese typed into
    // it later is written as.
    if (check.valid && declaredEncoding(bytes).utf8())
        return Encoding::Utf8;
    return Encoding::Gb18030;
}

QByteArray fileBytesToEditorBytes(QByteArray bytes, Encoding encoding, qint64 *fileLength)
{
    if (fileLength)
        *fileLength = bytes.size();
    switch (encoding) {
    case Encoding::Gb18030: return gb18030ToEditorBytes(bytes);
    case Encoding::Utf8WithBom:
        bytes.remove(0, Utf8Bom.size()); // the mark is the encoding's, not the text's
        [[fallthrough]];
    case Encoding::Utf8: return bytes; // the editor's buffer is UTF-8 already
    }
    return bytes;
}

QByteArray editorBytesToFileBytes(QByteArrayView buffer, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Gb18030: return editorBytesToGb18030(buffer.data(), buffer.size());
    case Encoding::Utf8: return buffer.toByteArray();
    case Encoding::Utf8WithBom: {
        QByteArray out;
        out.reserve(Utf8Bom.size() + buffer.size());
        out.append(Utf8Bom);
        out.append(buffer);
        return out;
    }
    }
    return {};
}

QList<QByteArray> editorBytesToFilePieces(QByteArrayView buffer, Encoding encoding)
{
    const QByteArray text = QByteArray::fromRawData(buffer.data(), buffer.size());
    switch (encoding) {
    case Encoding::Gb18030: return {editorBytesToGb18030(buffer.data(), buffer.size())};
    case Encoding::Utf8: return {text};
    case Encoding::Utf8WithBom: return {Utf8Bom.toByteArray(), text};
    }
    return {};
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

/// The value after a keyword: blanks, then "=" or "(" and blanks, and an optional quote; a
/// keyword followed by none of these is prose, not a declaration.
QString valueAfter(QByteArrayView text, qsizetype i, bool digits)
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
        return {};
    const qsizetype start = i;
    while (i < text.size() && (digits ? (text[i] >= '0' && text[i] <= '9') : isNameChar(text[i])))
        ++i;
    QString name = QString::fromLatin1(text.sliced(start, i - start)).toLower();
    return name;
}

QString codePageName(const QString &number)
{
    static const std::array<std::pair<const char *, const char *>, 7> known{{
        {"65001", "utf-8"},
        {"936", "gbk"},
        {"54936", "gb18030"},
        {"20936", "gb2312"},
        {"950", "big5"},
        {"1252", "windows-1252"},
        {"28591", "iso-8859-1"},
    }};
    for (const auto &[page, name] : known)
        if (number == QLatin1StringView(page))
            return QString::fromLatin1(name);
    return u"cp"_s + number;
}

} // namespace

Declaration declaredEncoding(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(std::min(bytes.size(), DeclarationWindow));
    // The first declaration in the text counts, whichever its form.
    qsizetype charsetAt = findWord(head, "charset", 0);
    qsizetype codePageAt = findWord(head, "codepage", 0);
    while (charsetAt >= 0 || codePageAt >= 0) {
        const bool charset = charsetAt >= 0 && (codePageAt < 0 || charsetAt < codePageAt);
        qsizetype &at = charset ? charsetAt : codePageAt;
        const QString value = valueAfter(head, at + (charset ? 7 : 8), !charset);
        if (!value.isEmpty())
            return {charset ? value : codePageName(value)};
        at = findWord(head, charset ? "charset" : "codepage", at + 1);
    }
    return {};
}

bool Declaration::utf8() const
{
    static const QStringList labels{u"utf-8"_s, u"utf8"_s, u"unicode-1-1-utf-8"_s, u"unicode11utf8"_s,
                                    u"unicode20utf8"_s, u"x-unicode20utf8"_s};
    return labels.contains(name);
}

bool Declaration::gbFamily() const
{
    static const QStringList labels{u"gb2312"_s, u"gbk"_s, u"gb18030"_s, u"x-gbk"_s, u"chinese"_s,
                                    u"csgb2312"_s, u"csiso58gb231280"_s, u"gb_2312"_s, u"gb_2312-80"_s,
                                    u"iso-ir-58"_s};
    return labels.contains(name);
}

bool declarationDisagrees(const Declaration &declaration, Encoding encoding)
{
    if (!declaration.declared())
        return false;
    switch (encoding) {
    case Encoding::Gb18030: return !declaration.gbFamily();
    case Encoding::Utf8: return !declaration.utf8();
    case Encoding::Utf8WithBom: return false; // browsers go by the byte-order mark before any declaration
    }
    return false;
}

} // namespace core
