// SPDX-License-Identifier: GPL-3.0-or-later
#include "search.h"

#include "core/texts.h"
#include "core/utf8.h"

#include <cstring>
#include <string_view>

namespace document {
namespace {

bool isWordCharacter(char32_t c) { return c == u'_' || (c != 0xFFFD && QChar::isLetterOrNumber(c)); }

char32_t characterBefore(QByteArrayView text, qsizetype pos)
{
    qsizetype q = pos - 1;
    while (q > 0 && !core::isCharacterStart(text, q))
        --q;
    return core::caretCharacterAt(text, q);
}

/// Whether every character is ASCII or has no case at all (Chinese, digits, punctuation): then
/// matching in any case needs only ASCII letters folded, byte by byte.
bool foldsInBytes(const QString &s)
{
    for (const char32_t c : s.toUcs4())
        if (c >= 0x80 && (QChar::toLower(c) != c || QChar::toUpper(c) != c || QChar::toCaseFolded(c) != c ||
                          QChar::toTitleCase(c) != c))
            return false;
    return true;
}

uchar lowerAscii(uchar c) { return c >= 'A' && c <= 'Z' ? uchar(c + 32) : c; }

QString expandTemplate(const QString &with, const WindowedRegex::Match &m)
{
    QString out;
    out.reserve(with.size());
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar c = with.at(i);
        const QChar d = i + 1 < with.size() ? with.at(i + 1) : QChar();
        if (c == u'\\' && !d.isNull()) {
            ++i;
            if (d.isDigit())
                out += m.captured(d.digitValue());
            else if (d == u't')
                out += u'\t';
            else if (d == u'n')
                out += u'\n';
            else if (d == u'r')
                out += u'\r';
            else if (d == u'\\')
                out += u'\\';
            else
                out += QString(c) + d; // kept as typed
        } else if (c == u'$' && d == u'$') {
            out += u'$';
            ++i;
        } else if (c == u'$' && d.isDigit()) {
            int group = d.digitValue();
            ++i;
            if (i + 1 < with.size() && with.at(i + 1).isDigit() &&
                group * 10 + with.at(i + 1).digitValue() <= m.lastGroup())
                group = group * 10 + with.at(++i).digitValue();
            out += m.captured(group);
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

TextSearch::TextSearch(const QString &pattern, SearchOptions options, RegexWindows windows)
    : pattern_(pattern), options_(options)
{
    if (pattern.isEmpty())
        return;
    // Letters of any case are matched in the bytes only where the case of a byte says all:
    // ASCII. Other letters need the text's own case folding.
    if (!options.regex && (options.matchCase || foldsInBytes(pattern))) {
        needle_ = core::textToEditorBytes(pattern);
        foldAscii_ = !options.matchCase;
        if (foldAscii_)
            for (char &c : needle_)
                c = char(lowerAscii(uchar(c)));
        return;
    }
    regex_ = WindowedRegex(options.regex ? pattern : QRegularExpression::escape(pattern), options.wholeWord,
                           options.matchCase, windows);
    useRegex_ = true;
    if (!regex_.isValid())
        error_ = regex_.errorString();
}

bool TextSearch::acceptable(QByteArrayView text, qsizetype from, qsizetype to) const
{
    if (!core::isCharacterStart(text, from) || !core::isCharacterStart(text, to))
        return false;
    if (!options_.wholeWord || useRegex_ || from == to)
        return true;
    auto betweenWordCharacters = [text](qsizetype at) {
        return isWordCharacter(characterBefore(text, at)) && isWordCharacter(core::caretCharacterAt(text, at));
    };
    return !(from > 0 && betweenWordCharacters(from)) && !(to < text.size() && betweenWordCharacters(to));
}

Span TextSearch::nextInBytes(QByteArrayView text, qsizetype from, qsizetype limit) const
{
    const qsizetype n = needle_.size();
    const std::string_view hay(text.data(), size_t(std::min(limit, text.size())));
    const std::string_view needle(needle_.constData(), size_t(n));
    if (!foldAscii_) {
        for (size_t at = hay.find(needle, size_t(from)); at != std::string_view::npos; at = hay.find(needle, at + 1))
            if (acceptable(text, qsizetype(at), qsizetype(at) + n))
                return {qsizetype(at), qsizetype(at) + n};
        return {};
    }
    // Either case of the first letter, each found by memchr, taking whichever comes first.
    const uchar first = uchar(needle_[0]);
    const uchar other = first >= 'a' && first <= 'z' ? uchar(first - 32) : first;
    const char *base = hay.data();
    const auto find = [&](qsizetype pos, uchar c) -> qsizetype {
        if (pos + n > qsizetype(hay.size()))
            return -1;
        const void *hit = std::memchr(base + pos, c, hay.size() - size_t(pos + n) + 1);
        return hit ? static_cast<const char *>(hit) - base : -1;
    };
    qsizetype a = find(from, first), b = other == first ? -1 : find(from, other);
    while (a >= 0 || b >= 0) {
        const qsizetype at = a < 0 ? b : b < 0 ? a : std::min(a, b);
        qsizetype j = 1;
        while (j < n && lowerAscii(uchar(base[at + j])) == uchar(needle_[j]))
            ++j;
        if (j == n && acceptable(text, at, at + n))
            return {at, at + n};
        if (at == a)
            a = find(at + 1, first);
        else
            b = find(at + 1, other);
    }
    return {};
}

Span TextSearch::previousInBytes(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const
{
    const qsizetype n = needle_.size();
    const auto *p = reinterpret_cast<const uchar *>(text.data());
    for (qsizetype at = std::min(before - 1, std::min(limit, text.size()) - n); at >= floor; --at) {
        // Back to the previous byte that can start a match, found by memrchr.
        const uchar first = uchar(needle_[0]);
        const void *hit = ::memrchr(p + floor, first, size_t(at - floor + 1));
        qsizetype found = hit ? static_cast<const uchar *>(hit) - p : -1;
        if (foldAscii_ && first >= 'a' && first <= 'z') {
            const void *upper = ::memrchr(p + floor, first - 32, size_t(at - floor + 1));
            if (upper)
                found = std::max(found, qsizetype(static_cast<const uchar *>(upper) - p));
        }
        if (found < 0)
            return {};
        at = found;
        qsizetype j = 1;
        while (j < n && (foldAscii_ ? lowerAscii(p[at + j]) : p[at + j]) == uchar(needle_[j]))
            ++j;
        if (j == n && acceptable(text, at, at + n))
            return {at, at + n};
    }
    return {};
}

Span TextSearch::next(QByteArrayView text, qsizetype from, qsizetype limit) const
{
    if (!valid() || from > limit)
        return {};
    if (!useRegex_)
        return nextInBytes(text, from, limit);
    const std::vector<Span> first = all(text, from, limit, 1);
    return first.empty() ? Span{} : first.front();
}

Span TextSearch::previous(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const
{
    if (!valid() || before <= floor)
        return {};
    if (!useRegex_)
        return previousInBytes(text, floor, before, limit);
    return regex_.last(text, floor, before, limit);
}

std::vector<Span> TextSearch::all(QByteArrayView text, qsizetype from, qsizetype to, qsizetype cap) const
{
    std::vector<Span> out;
    if (!valid())
        return out;
    to = std::min(to, text.size());
    if (!useRegex_) {
        for (Span m = nextInBytes(text, from, to); m.found() && qsizetype(out.size()) < cap; m = nextInBytes(text, m.to, to))
            out.push_back(m);
        return out;
    }
    if (cap > 0)
        regex_.scan(text, from, to, [&](const WindowedRegex::Match &m) {
            if (m.span().to > to)
                return false;
            out.push_back(m.span());
            return qsizetype(out.size()) < cap;
        });
    return out;
}

QByteArray TextSearch::replacement(QByteArrayView text, Span match, const QString &with) const
{
    const std::vector<Replacement> r = replacements(text, match.from, match.to, with, 1);
    return r.empty() ? core::textToEditorBytes(with) : r.front().bytes;
}

std::vector<Replacement> TextSearch::replacements(QByteArrayView text, qsizetype from, qsizetype to, const QString &with,
                                                  qsizetype cap) const
{
    std::vector<Replacement> out;
    if (!useRegex_) {
        const QByteArray bytes = core::textToEditorBytes(with);
        for (const Span &m : all(text, from, to, cap))
            out.push_back({m, bytes}); // shared, not copied
        return out;
    }
    if (!valid() || cap <= 0)
        return out;
    to = std::min(to, text.size());
    regex_.scan(text, from, to, [&](const WindowedRegex::Match &m) {
        if (m.span().to > to)
            return false;
        out.push_back({m.span(), core::textToEditorBytes(expandTemplate(with, m))});
        return qsizetype(out.size()) < cap;
    });
    return out;
}

} // namespace document
