// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_scanner.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f'; }
bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isRaw(QStringView name)
{
    return name.compare(u"script"_s, Qt::CaseInsensitive) == 0 || name.compare(u"style"_s, Qt::CaseInsensitive) == 0 ||
           name.compare(u"textarea"_s, Qt::CaseInsensitive) == 0;
}

/// Where the comment, server block or declaration starting at text[at] ends (just after it),
/// or -1 when something else starts there.
qsizetype skipSpecial(QStringView text, qsizetype at)
{
    auto until = [&](QStringView end, qsizetype from) {
        const qsizetype e = text.indexOf(end, from);
        return e < 0 ? text.size() : e + end.size();
    };
    const QStringView rest = text.mid(at);
    if (rest.startsWith(u"<!--"_s))
        return until(u"-->"_s, at + 4);
    if (rest.startsWith(u"<%"_s))
        return until(u"%>"_s, at + 2);
    if (rest.startsWith(u"<!"_s) || rest.startsWith(u"<?"_s))
        return until(u">"_s, at + 2);
    return -1;
}

/// The end tag "</name" closing raw content that begins at from.
std::optional<std::pair<qsizetype, qsizetype>> findRawEnd(QStringView text, qsizetype from, QStringView name)
{
    const QString needle = u"</"_s + name.toString();
    for (qsizetype at = text.indexOf(needle, from, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(needle, at + 2, Qt::CaseInsensitive)) {
        const qsizetype after = at + needle.size();
        if (after < text.size() && !isBlank(text[after]) && text[after] != u'>' && text[after] != u'/')
            continue; // "</scripts" is not "</script"
        const qsizetype close = text.indexOf(u'>', after);
        if (close < 0)
            return std::nullopt;
        return std::pair{at, close + 1};
    }
    return std::nullopt;
}

/// Where a tag starting at text[at] ends and where its name is, read as scanTag reads it but
/// without keeping anything: most tags before the caret are only stepped over.
struct TagSpan {
    qsizetype nameFrom = 0, nameTo = 0, to = 0;
    bool closing = false;
};
std::optional<TagSpan> peekTag(QStringView text, qsizetype at)
{
    const qsizetype n = text.size();
    if (at < 0 || at + 1 >= n || text[at] != u'<')
        return std::nullopt;
    TagSpan tag;
    qsizetype i = at + 1;
    if (text[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    if (i >= n || !isLetter(text[i]))
        return std::nullopt;
    tag.nameFrom = i;
    while (i < n && !isBlank(text[i]) && text[i] != u'>' && text[i] != u'/')
        ++i;
    tag.nameTo = i;
    while (i < n) {
        while (i < n && (isBlank(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= n)
            return std::nullopt;
        if (text[i] == u'>') {
            tag.to = i + 1;
            return tag;
        }
        ++i;
        while (i < n && !isBlank(text[i]) && text[i] != u'/' && text[i] != u'>' && text[i] != u'=')
            ++i;
        qsizetype j = i;
        while (j < n && isBlank(text[j]))
            ++j;
        if (j < n && text[j] == u'=') {
            ++j;
            while (j < n && isBlank(text[j]))
                ++j;
            if (j >= n)
                return std::nullopt;
            if (text[j] == u'"' || text[j] == u'\'') {
                const qsizetype close = text.indexOf(text[j], j + 1);
                if (close < 0)
                    return std::nullopt;
                i = close + 1;
            } else {
                while (j < n && !isBlank(text[j]) && text[j] != u'>')
                    ++j;
                i = j;
            }
        }
    }
    return std::nullopt;
}

} // namespace

const TagAttribute *Tag::attribute(QStringView n) const
{
    for (const TagAttribute &a : attributes)
        if (a.named(n))
            return &a;
    return nullptr;
}

QStringView attributeValue(QStringView text, const TagAttribute &a)
{
    return a.valueFrom < 0 ? QStringView() : text.mid(a.valueFrom, a.valueTo - a.valueFrom);
}

std::optional<Tag> scanTag(QStringView text, qsizetype at)
{
    const qsizetype n = text.size();
    if (at < 0 || at + 1 >= n || text[at] != u'<')
        return std::nullopt;
    Tag tag;
    tag.from = at;
    qsizetype i = at + 1;
    if (text[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    if (i >= n || !isLetter(text[i]))
        return std::nullopt;
    const qsizetype nameFrom = i;
    while (i < n && !isBlank(text[i]) && text[i] != u'>' && text[i] != u'/')
        ++i;
    tag.name = text.mid(nameFrom, i - nameFrom).toString();
    tag.nameTo = tag.tail = i;
    while (i < n) {
        const qsizetype space = i;
        while (i < n && (isBlank(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= n)
            return std::nullopt;
        if (text[i] == u'>') {
            tag.to = i + 1;
            return tag;
        }
        TagAttribute a;
        a.space = space;
        a.from = i;
        // A name runs up to a blank, '/', '>' or '='; a leading '=' belongs to the name.
        ++i;
        while (i < n && !isBlank(text[i]) && text[i] != u'/' && text[i] != u'>' && text[i] != u'=')
            ++i;
        a.name = text.mid(a.from, i - a.from).toString();
        a.to = i;
        qsizetype j = i;
        while (j < n && isBlank(text[j]))
            ++j;
        if (j < n && text[j] == u'=') {
            ++j;
            while (j < n && isBlank(text[j]))
                ++j;
            if (j >= n)
                return std::nullopt;
            if (text[j] == u'"' || text[j] == u'\'') {
                a.quote = text[j];
                const qsizetype close = text.indexOf(a.quote, j + 1);
                if (close < 0)
                    return std::nullopt;
                a.valueFrom = j + 1;
                a.valueTo = close;
                i = close + 1;
            } else {
                a.valueFrom = j;
                while (j < n && !isBlank(text[j]) && text[j] != u'>')
                    ++j;
                a.valueTo = i = j;
            }
            a.to = i;
        }
        tag.attributes.push_back(std::move(a));
        tag.tail = i;
    }
    return std::nullopt;
}

std::optional<std::pair<qsizetype, qsizetype>> findEndTag(QStringView text, qsizetype from, QStringView name)
{
    if (isRaw(name))
        return findRawEnd(text, from, name);
    int depth = 0;
    for (qsizetype i = text.indexOf(u'<', from); i >= 0; i = text.indexOf(u'<', i)) {
        if (const qsizetype end = skipSpecial(text, i); end >= 0) {
            i = end;
            continue;
        }
        const std::optional<Tag> tag = scanTag(text, i);
        if (!tag) {
            ++i;
            continue;
        }
        if (tag->named(name)) {
            if (!tag->closing)
                ++depth;
            else if (depth-- == 0)
                return std::pair{tag->from, tag->to};
        }
        i = tag->to;
        if (!tag->closing && isRaw(tag->name)) {
            const auto rawEnd = findRawEnd(text, i, tag->name);
            if (!rawEnd)
                return std::nullopt;
            i = rawEnd->second;
        }
    }
    return std::nullopt;
}

bool ownsContent(QStringView tagName)
{
    for (const QString &n : {u"select"_s, u"script"_s, u"textarea"_s, u"label"_s, u"caption"_s})
        if (tagName.compare(n, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

CaretPlace placeAtCaret(QStringView text, qsizetype caret)
{
    CaretPlace place;
    std::vector<Tag> open; // containers opened before the caret and not yet closed
    Tag endingAtCaret; // a tag ending just at the caret (valid when its "to" is the caret)
    bool endsAtCaret = false;
    auto result = [&]() {
        if (place.kind == CaretPlace::Nothing && endsAtCaret) {
            place.kind = CaretPlace::InTag;
            place.tag = endingAtCaret;
        }
        if (!place.container && !open.empty())
            place.container = open.back();
        return place;
    };
    for (qsizetype i = text.indexOf(u'<'); i >= 0 && i <= caret; i = text.indexOf(u'<', i)) {
        if (const qsizetype end = skipSpecial(text, i); end >= 0) {
            if (caret > i && caret < end) {
                place.kind = text.mid(i).startsWith(u"<%"_s) ? CaretPlace::InServerBlock : CaretPlace::InComment;
                return place;
            }
            i = end;
            continue;
        }
        const std::optional<TagSpan> span = peekTag(text, i);
        if (!span) {
            ++i;
            continue;
        }
        const QStringView name = text.mid(span->nameFrom, span->nameTo - span->nameFrom);
        const bool under = caret >= i && caret < span->to;
        if (span->closing) {
            for (auto it = open.rbegin(); it != open.rend(); ++it)
                if (it->named(name)) {
                    if (under)
                        place.container = *it;
                    open.erase(std::prev(it.base()), open.end());
                    break;
                }
            if (under)
                return result();
            endsAtCaret = false;
            i = span->to;
            continue;
        }
        if (!under && span->to != caret && !isRaw(name) && !ownsContent(name)) {
            endsAtCaret = false; // a tag that only has to be stepped over
            i = span->to;
            continue;
        }
        const std::optional<Tag> tag = scanTag(text, i);
        if (!tag) {
            ++i;
            continue;
        }
        if (under) {
            place.kind = CaretPlace::InTag;
            place.tag = *tag;
            return result();
        }
        endsAtCaret = tag->to == caret;
        if (endsAtCaret)
            endingAtCaret = *tag;
        i = tag->to;
        if (isRaw(tag->name)) {
            // Raw content is not markup: only its end tag is looked for.
            const auto end = findRawEnd(text, i, tag->name);
            const qsizetype after = end ? end->second : text.size();
            if (caret == tag->to)
                return result(); // just after the start tag: nothing else can start here
            if (caret > tag->to && caret < after) {
                place.container = *tag;
                return result();
            }
            i = after;
        } else if (ownsContent(tag->name)) {
            open.push_back(*tag);
        }
    }
    return result();
}

} // namespace markup
