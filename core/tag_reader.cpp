// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_reader.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace core {
namespace {

bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool isLetter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char16_t lower(char16_t c) { return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c; }

/// A window as code units (UTF-16 units or UTF-8 bytes), read against ASCII.
template <typename Ch>
struct Scan {
    const Ch *p;
    qsizetype n;
    bool quotedServerEnds = false;

    bool is(qsizetype i, char c) const { return i < n && p[i] == Ch(c); }
    bool startsWith(qsizetype i, const char *s) const
    {
        for (; *s; ++s, ++i)
            if (!is(i, *s))
                return false;
        return true;
    }
    /// The first c at or after from; n when there is none.
    qsizetype find(char c, qsizetype from) const
    {
        if (from >= n)
            return n;
        if constexpr (sizeof(Ch) == 1) {
            const void *hit = std::memchr(p + from, c, size_t(n - from));
            return hit ? static_cast<const Ch *>(hit) - p : n;
        } else {
            const qsizetype hit = QStringView(p + from, n - from).indexOf(QLatin1Char(c));
            return hit < 0 ? n : from + hit;
        }
    }
    /// Just past the "%>" closing the server block whose "<%" is at i; -1 when the window ends first.
    qsizetype pastServerBlock(qsizetype i) const
    {
        if (quotedServerEnds) {
            bool quoted = false;
            for (qsizetype k = i + 2; k < n; ++k) {
                if (p[k] == Ch('"'))
                    quoted = !quoted;
                else if (p[k] == Ch('\n'))
                    quoted = false;
                else if (!quoted && p[k] == Ch('%') && is(k + 1, '>'))
                    return k + 2;
            }
            return -1;
        }
        for (qsizetype k = find('%', i + 2); k < n; k = find('%', k + 1))
            if (is(k + 1, '>'))
                return k + 2;
        return -1;
    }
    /// One unit on, or over a whole server block (to the window's end when it is not closed).
    qsizetype step(qsizetype i) const
    {
        if (p[i] != Ch('<') || !is(i + 1, '%'))
            return i + 1;
        const qsizetype past = pastServerBlock(i);
        return past < 0 ? n : past;
    }
    /// Just past the first `end` at or after i, server blocks stepped over; -1 when there is none.
    qsizetype pastText(const char *end, qsizetype i) const
    {
        while (i < n && !startsWith(i, end))
            i = step(i);
        return i < n ? i + qsizetype(std::strlen(end)) : -1;
    }
    bool sameName(qsizetype a, qsizetype b, qsizetype length) const
    {
        if (a + length > n || b + length > n)
            return false;
        for (qsizetype k = 0; k < length; ++k)
            if (lower(p[a + k]) != lower(p[b + k]))
                return false;
        return true;
    }

    std::optional<TagSpan::Kind> kindAt(qsizetype i) const
    {
        // "<!" or "<!-" that the window cuts off may start a comment or a declaration: not known yet.
        if (startsWith(i, "<!--"))
            return TagSpan::Comment;
        if (startsWith(i, "<!") && (i + 2 == n || (p[i + 2] == Ch('-') && i + 3 == n)))
            return std::nullopt;
        if (startsWith(i, "<%"))
            return TagSpan::ServerBlock;
        if (startsWith(i, "<!") || startsWith(i, "<?"))
            return TagSpan::Declaration;
        if (is(i + 1, '/') && i + 2 < n && isLetter(p[i + 2]))
            return TagSpan::EndTag;
        if (i + 1 < n && isLetter(p[i + 1]))
            return TagSpan::StartTag;
        return std::nullopt;
    }

    std::optional<TagSpan> tag(qsizetype at, TagParts parts) const;
    TagSpan content(qsizetype from, qsizetype nameFrom, qsizetype nameTo) const;
};

template <typename Ch>
std::optional<TagSpan> Scan<Ch>::tag(qsizetype at, TagParts parts) const
{
    if (at < 0 || at + 1 >= n || p[at] != Ch('<'))
        return std::nullopt;
    TagSpan t;
    t.from = at;
    qsizetype i = at + 1;
    if (p[i] == Ch('/')) {
        t.kind = TagSpan::EndTag;
        ++i;
    }
    if (i >= n || !isLetter(p[i]))
        return std::nullopt;
    t.nameFrom = i;
    while (i < n && !isBlank(p[i]) && p[i] != Ch('>') && p[i] != Ch('/'))
        i = step(i);
    t.nameTo = t.tail = i;
    for (;;) {
        const qsizetype space = i;
        while (i < n && (isBlank(p[i]) || p[i] == Ch('/')))
            ++i;
        if (i >= n) {
            t.complete = false;
            t.to = n;
            return t;
        }
        if (p[i] == Ch('>')) {
            t.to = i + 1;
            t.selfClosed = t.kind == TagSpan::StartTag && p[i - 1] == Ch('/');
            return t;
        }
        TagAttribute a;
        a.space = space;
        a.from = i;
        // A name runs up to a blank, '/', '>' or '='; a leading '=' belongs to it.
        i = step(i);
        while (i < n && !isBlank(p[i]) && p[i] != Ch('/') && p[i] != Ch('>') && p[i] != Ch('='))
            i = step(i);
        a.nameTo = a.to = i;
        qsizetype j = i;
        while (j < n && isBlank(p[j]))
            ++j;
        if (j < n && p[j] == Ch('=')) {
            ++j;
            while (j < n && isBlank(p[j]))
                ++j;
            if (j < n && (p[j] == Ch('"') || p[j] == Ch('\''))) {
                a.quote = char16_t(p[j]);
                a.valueFrom = ++j;
                while (j < n && p[j] != Ch(a.quote))
                    j = step(j);
                a.valueTo = j;
                i = j < n ? j + 1 : n;
            } else {
                a.valueFrom = j;
                while (j < n && !isBlank(p[j]) && p[j] != Ch('>'))
                    j = step(j);
                a.valueTo = i = j;
            }
            a.to = i;
        }
        if (parts == TagParts::Attributes)
            t.attributes.push_back(a);
        t.tail = i;
    }
}

template <typename Ch>
TagSpan Scan<Ch>::content(qsizetype from, qsizetype nameFrom, qsizetype nameTo) const
{
    TagSpan c{.kind = TagSpan::Content, .from = from, .nameFrom = nameFrom, .nameTo = nameTo};
    const qsizetype length = nameTo - nameFrom;
    // Up to "</name" followed by what ends a name ("</scripts" is not "</script"; cut off after the
    // name, it may yet be).
    for (qsizetype k = find('<', from); k < n; k = find('<', k)) {
        if (is(k + 1, '%')) {
            k = pastServerBlock(k);
            if (k < 0)
                break;
            continue;
        }
        const qsizetype after = k + 2 + length;
        if (is(k + 1, '/') && sameName(k + 2, nameFrom, length) &&
            after < n && (isBlank(p[after]) || p[after] == Ch('>') || p[after] == Ch('/'))) {
            c.to = k;
            return c;
        }
        ++k;
    }
    c.complete = false;
    c.to = n;
    return c;
}

Scan<char16_t> scanOf(QStringView w, const TagReading &r = {}) { return {w.utf16(), w.size(), r.quotedServerEnds}; }
Scan<uchar> scanOf(QByteArrayView w, const TagReading &r = {})
{
    return {reinterpret_cast<const uchar *>(w.data()), w.size(), r.quotedServerEnds};
}

template <typename View>
bool rawName(View name, bool browser = false)
{
    static constexpr const char *names[] = {"script",   "style",    "textarea", "title",    "xmp",
                                            "iframe",   "noembed",  "noframes", "noscript", "plaintext"};
    const auto s = scanOf(name);
    for (const char *raw : browser ? std::span(names) : std::span(names).first(3)) {
        const qsizetype length = qsizetype(std::strlen(raw));
        bool same = s.n == length;
        for (qsizetype k = 0; same && k < length; ++k)
            same = lower(s.p[k]) == raw[k];
        if (same)
            return true;
    }
    return false;
}

} // namespace

bool TagSpan::named(QStringView window, QStringView n) const
{
    return name(window).compare(n, Qt::CaseInsensitive) == 0;
}

bool TagSpan::named(QByteArrayView window, QByteArrayView n) const
{
    const QByteArrayView own = name(window);
    if (own.size() != n.size())
        return false;
    for (qsizetype k = 0; k < n.size(); ++k)
        if (lower(uchar(own[k])) != lower(uchar(n[k])))
            return false;
    return true;
}

const TagAttribute *TagSpan::attribute(QStringView window, QStringView n) const
{
    for (const TagAttribute &a : attributes)
        if (attributeName(window, a).compare(n, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

bool hasRawContent(QStringView name) { return rawName(name); }
bool hasRawContent(QByteArrayView name) { return rawName(name); }

std::optional<TagSpan> readTag(QStringView window, qsizetype at, TagParts parts) { return scanOf(window).tag(at, parts); }
std::optional<TagSpan> readTag(QByteArrayView window, qsizetype at, TagParts parts) { return scanOf(window).tag(at, parts); }

std::vector<std::pair<qsizetype, qsizetype>> serverBlocks(QByteArrayView window, const TagReading &reading)
{
    const auto s = scanOf(window, reading);
    std::vector<std::pair<qsizetype, qsizetype>> blocks;
    for (qsizetype i = s.find('<', 0); i < s.n; i = s.find('<', i + 1)) {
        if (!s.is(i + 1, '%'))
            continue;
        const qsizetype past = s.pastServerBlock(i);
        blocks.emplace_back(i, past < 0 ? s.n : past);
        i = blocks.back().second - 1;
    }
    return blocks;
}

template <typename View>
TagReader<View>::TagReader(View window, TagReading reading, qsizetype from)
    : window_(window), reading_(std::move(reading)), at_(std::clamp<qsizetype>(from, 0, window.size()))
{
}

template <typename View>
std::optional<TagSpan> TagReader<View>::next()
{
    const auto s = scanOf(window_, reading_);
    if (contentOf_) {
        TagSpan c = s.content(at_, contentOf_->first, contentOf_->second);
        contentOf_.reset();
        at_ = c.to;
        return c;
    }
    for (;;) {
        const qsizetype i = s.find('<', at_);
        if (i >= s.n) {
            at_ = s.n;
            return std::nullopt;
        }
        const std::optional<TagSpan::Kind> kind = s.kindAt(i);
        if (!kind || (reading_.startsAt && !reading_.startsAt(*kind, i))) {
            at_ = i + 1; // text
            continue;
        }
        TagSpan span;
        if (*kind == TagSpan::StartTag || *kind == TagSpan::EndTag) {
            span = *s.tag(i, reading_.parts);
            if (span.kind == TagSpan::StartTag && span.complete && rawName(span.name(window_), reading_.browserRawText))
                contentOf_ = {span.nameFrom, span.nameTo};
        } else {
            span.kind = *kind;
            span.from = i;
            const qsizetype past = *kind == TagSpan::Comment       ? s.pastText("-->", i + 4)
                                   : *kind == TagSpan::ServerBlock ? s.pastServerBlock(i)
                                                                   : s.pastText(">", i + 2);
            span.complete = past >= 0;
            span.to = past >= 0 ? past : s.n;
        }
        at_ = span.to;
        return span;
    }
}

template class TagReader<QStringView>;
template class TagReader<QByteArrayView>;

} // namespace core
