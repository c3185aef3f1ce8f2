// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_context.h"

#include "reference/schema.h"

#include <QDir>

#include <algorithm>
#include <string_view>
#include <vector>

namespace markup {
namespace {

using core::TagSpan;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

/// How many open elements an end tag looks through for its start tag: an end tag with no start
/// tag among them is taken as a stray one, and reading stays linear on deeply nested text.
constexpr size_t MatchDepth = 256;

/// Whether a tag's name is a name: one with a server block inside ("<a<%=n%>>") is written by the
/// server, and no end tag can be written for it here.
bool plainName(QByteArrayView name) { return !name.contains('<'); }

/// The last span the reader finds in the window, reading from `from`, that starts before its
/// end. Attributes, when asked for, are read for that span alone: the rest of the window is read
/// for its ends.
std::optional<TagSpan> lastSpan(QByteArrayView window, const core::TagReading &reading, qsizetype from)
{
    core::TagReading ends = reading;
    ends.parts = core::TagParts::Ends;
    core::TagReader<QByteArrayView> reader(window, ends, std::min(from, window.size()));
    std::optional<TagSpan> last;
    while (std::optional<TagSpan> span = reader.next())
        if (span->from < window.size()) // the empty content after a script's start tag is no span of its own
            last = std::move(span);
    if (last && last->kind == TagSpan::StartTag && reading.parts == core::TagParts::Attributes)
        last = core::readTag(window, last->from, core::TagParts::Attributes);
    return last;
}

bool isWordChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'; }

/// The word that ends at `end` in the text, and where it starts.
QByteArrayView wordBefore(QByteArrayView text, qsizetype end, qsizetype *start)
{
    qsizetype k = end;
    while (k > 0 && isWordChar(text[k - 1]))
        --k;
    *start = k;
    return text.sliced(k, end - k);
}

/// After ':' in a style sheet or style content, after '.' in a server block.
Offer codeOffer(const TypingStretch &s)
{
    const QByteArrayView before = s.text.first(s.caret - 1);
    qsizetype textFrom = 0; // where the style sheet or the server's code starts
    if (!s.css) {
        const std::optional<TagSpan> last = lastSpan(before, s.reading, s.quietFrom);
        if (!last || last->complete)
            return {};
        const bool code = s.text[s.caret - 1] == ':' ? last->kind == TagSpan::Content && last->named(before, "style")
                                                     : last->kind == TagSpan::ServerBlock;
        if (!code)
            return {};
        textFrom = last->from;
    } else if (s.text[s.caret - 1] != ':') {
        return {};
    }
    Offer o;
    qsizetype wordStart = 0;
    if (s.text[s.caret - 1] == '.') {
        o.attribute = wordBefore(before, before.size(), &wordStart).toByteArray();
        o.kind = Offer::AspMembers;
        return o;
    }
    // A property starts a declaration: after '{' or ';' (a selector's "a:hover" follows neither).
    qsizetype end = before.size();
    while (end > textFrom && isBlank(before[end - 1]))
        --end;
    o.attribute = wordBefore(before, end, &wordStart).toByteArray();
    while (wordStart > textFrom && isBlank(before[wordStart - 1]))
        --wordStart;
    if (o.attribute.isEmpty() || wordStart <= textFrom || (before[wordStart - 1] != '{' && before[wordStart - 1] != ';'))
        return {};
    o.kind = Offer::CssValues;
    return o;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

/// Whether a CSS declaration starts at `end` in the text: after '{' or ';' and blanks.
bool declarationStarts(QByteArrayView text, qsizetype textFrom, qsizetype end)
{
    while (end > textFrom && isBlank(text[end - 1]))
        --end;
    return end > textFrom && (text[end - 1] == '{' || text[end - 1] == ';');
}

/// After a letter that starts a word: CSS property names, the server's words.
Offer wordOffer(const TypingStretch &s)
{
    const QByteArrayView before = s.text.first(s.caret - 1);
    Offer o;
    o.entered = 1;
    if (s.css) {
        o.kind = declarationStarts(before, 0, before.size()) ? Offer::CssProperties : Offer::Nothing;
        return o;
    }
    core::TagReading reading = s.reading;
    reading.parts = core::TagParts::Attributes;
    const std::optional<TagSpan> last = lastSpan(before, reading, s.quietFrom);
    if (!last || last->complete)
        return {};
    if (last->kind == TagSpan::ServerBlock) {
        o.kind = before.back() == '.' ? Offer::Nothing : Offer::AspWords;
    } else if (last->kind == TagSpan::Content && last->named(before, "style")) {
        o.kind = declarationStarts(before, last->from, before.size()) ? Offer::CssProperties : Offer::Nothing;
    } else if (last->kind == TagSpan::StartTag && !last->attributes.empty()) {
        // In a style attribute's quotes, at its start or after a ';'.
        const core::TagAttribute &a = last->attributes.back();
        const bool inStyle = a.quote != 0 && a.valueFrom >= 0 && a.valueTo == before.size() &&
                             before.sliced(a.from, a.nameTo - a.from).compare("style", Qt::CaseInsensitive) == 0;
        if (inStyle && (declarationStarts(before, a.valueFrom, before.size()) ||
                        before.sliced(a.valueFrom).trimmed().isEmpty()))
            o.kind = Offer::CssProperties;
    }
    return o;
}

} // namespace

qsizetype quietPlace(const TypingStretch &s, qsizetype end)
{
    if (end <= s.quietFrom)
        return s.quietFrom;
    const QByteArrayView window = s.text.first(std::min(end, s.text.size()));
    core::TagReading ends = s.reading;
    ends.parts = core::TagParts::Ends;
    qsizetype quiet = s.quietFrom;
    core::TagReader<QByteArrayView> reader(window, ends, quiet);
    // Content is read as content only after its start tag: reading cannot start in it.
    while (const std::optional<TagSpan> span = reader.next())
        if (span->kind != TagSpan::Content)
            quiet = span->from;
    return quiet;
}

bool mayOfferForLetter(QByteArrayView before)
{
    if (!before.isEmpty() && (isWordChar(before.back()) || before.back() == '.'))
        return false;
    qsizetype end = before.size();
    while (end > 0 && isBlank(before[end - 1]))
        --end;
    if (end > 0 && std::string_view(";{\"'").find(before[end - 1]) != std::string_view::npos)
        return true;
    // In a server block: its last start stands after its last end.
    const qsizetype open = before.lastIndexOf("<%");
    return open >= 0 && open > before.lastIndexOf("%>");
}

Offer offerForTyped(const TypingStretch &s)
{
    if (s.caret < 1 || s.caret > s.text.size())
        return {};
    const char typed = s.text[s.caret - 1];
    if (typed == ':' || typed == '.')
        return codeOffer(s);
    if (isLetter(typed) && (s.caret < 2 || !isWordChar(s.text[s.caret - 2])))
        return wordOffer(s);
    if (s.css || (typed != '<' && typed != '&' && typed != ' ' && typed != '=' && typed != '"' && typed != '\''))
        return {};
    // What stands before the typed character, and for a blank, '=' or a quote the character too:
    // in a start tag they are read as the start of an attribute or of its value.
    const QByteArrayView before = s.text.first(typed == '<' || typed == '&' ? s.caret - 1 : s.caret);
    core::TagReading reading = s.reading;
    reading.parts = core::TagParts::Attributes;
    const std::optional<TagSpan> last = lastSpan(before, reading, s.quietFrom);
    const bool inText = !last || last->complete;
    const bool inStartTag = last && last->kind == TagSpan::StartTag && !last->complete && plainName(last->name(before));
    const core::TagAttribute *attribute = inStartTag && !last->attributes.empty() ? &last->attributes.back() : nullptr;
    // The value the caret is in, when the tag is cut there.
    const bool inValue = attribute && attribute->valueFrom >= 0 && attribute->valueTo == before.size();
    Offer o;
    switch (typed) {
    case '<': o.kind = inText ? Offer::ElementNames : Offer::Nothing; return o;
    case '&': o.kind = inText || inValue ? Offer::EntityNames : Offer::Nothing; return o;
    case ' ':
        if (!inStartTag || (attribute && attribute->to == before.size()))
            return o;
        o.kind = Offer::AttributeNames;
        for (const core::TagAttribute &a : last->attributes)
            o.written << before.sliced(a.from, a.nameTo - a.from).toByteArray().toLower();
        break;
    default: // '=' or a quote: the value just started, nothing of it written yet
        if (!inValue || attribute->valueFrom != before.size() || (typed != '=' && attribute->quote == 0))
            return o;
        o.attribute = before.sliced(attribute->from, attribute->nameTo - attribute->from).toByteArray();
        o.kind = o.attribute.compare("href", Qt::CaseInsensitive) == 0 || o.attribute.compare("src", Qt::CaseInsensitive) == 0
                     ? Offer::FileNames
                     : Offer::AttributeValues;
        break;
    }
    o.element = last->name(before).toByteArray();
    return o;
}

QStringList offeredItems(const Offer &o, const QString &folder)
{
    QStringList items;
    switch (o.kind) {
    case Offer::Nothing: break;
    case Offer::ElementNames: items = reference::offeredElementNames(); break;
    case Offer::EntityNames:
        for (const reference::Entity &e : reference::entities())
            items << QString::fromLatin1(e.name) + u' ' + QString::fromUcs4(&e.character, 1);
        break;
    case Offer::AttributeNames:
        for (const QByteArray &a : reference::attributesOf(o.element))
            if (!o.written.contains(a))
                items << QString::fromLatin1(a);
        break;
    case Offer::AttributeValues:
        for (const QByteArray &v : reference::valuesOf(o.element, o.attribute))
            items << QString::fromUtf8(v);
        break;
    case Offer::CssValues:
        for (const QByteArray &v : reference::cssKeywordsOf(o.attribute))
            items << QString::fromLatin1(v);
        break;
    case Offer::AspMembers:
        for (const QByteArray &v : reference::aspMembersOf(o.attribute))
            items << QString::fromLatin1(v);
        break;
    case Offer::CssProperties: items = reference::cssPropertyNames(); break;
    case Offer::AspWords: items = reference::aspWords(); break;
    case Offer::FileNames:
        if (!folder.isEmpty()) {
            const QDir dir(folder);
            for (const QFileInfo &f : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                        QDir::Name | QDir::DirsFirst | QDir::IgnoreCase))
                items << f.fileName() + (f.isDir() ? QStringLiteral("/") : QString());
        }
        break;
    }
    return items;
}

QByteArray endTagForTypedGt(const TypingStretch &s)
{
    if (s.caret < 1 || s.caret > s.text.size() || s.text[s.caret - 1] != '>')
        return {};
    const QByteArrayView before = s.text.first(s.caret);
    const std::optional<TagSpan> last = lastSpan(before, s.reading, s.quietFrom);
    if (!last || last->kind != TagSpan::StartTag || !last->complete || last->to != s.caret || last->selfClosed)
        return {};
    const QByteArrayView name = last->name(before);
    if (!plainName(name) || reference::isVoidElement(name))
        return {};
    qsizetype next = s.caret;
    while (next < s.text.size() && isBlank(s.text[next]))
        ++next;
    if (const auto after = core::readTag(s.text, next, core::TagParts::Ends);
        after && after->kind == TagSpan::EndTag && after->named(s.text, name))
        return {};
    return "</" + name.toByteArray() + '>';
}

QByteArray completionForTypedSlash(const TypingStretch &s)
{
    if (s.caret < 2 || s.caret > s.text.size() || s.text[s.caret - 2] != '<' || s.text[s.caret - 1] != '/')
        return {};
    const QByteArrayView before = s.text.first(s.caret - 2);
    struct Open {
        qsizetype from, to;
    };
    std::vector<Open> open; // the elements open so far, innermost last
    core::TagReader<QByteArrayView> reader(before, s.reading);
    while (const std::optional<TagSpan> span = reader.next()) {
        if (!span->complete && span->kind != TagSpan::Content)
            return {}; // the "</" is inside this comment, tag or server block
        if (span->kind == TagSpan::StartTag && !span->selfClosed && plainName(span->name(before)) &&
            !reference::isVoidElement(span->name(before))) {
            open.push_back({span->nameFrom, span->nameTo});
        } else if (span->kind == TagSpan::EndTag) {
            const QByteArrayView name = span->name(before);
            const size_t reach = std::min(open.size(), MatchDepth);
            for (size_t k = 1; k <= reach; ++k) {
                const Open &o = open[open.size() - k];
                if (before.sliced(o.from, o.to - o.from).compare(name, Qt::CaseInsensitive) == 0) {
                    open.resize(open.size() - k); // elements left open inside it end with it
                    break;
                }
            }
        }
    }
    if (open.empty())
        return {};
    return before.sliced(open.back().from, open.back().to - open.back().from).toByteArray() + '>';
}

} // namespace markup
