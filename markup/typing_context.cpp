// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_context.h"

#include "reference/schema.h"

#include <algorithm>
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

/// The last span the reader finds in the window that starts before its end.
std::optional<TagSpan> lastSpan(QByteArrayView window, const core::TagReading &reading)
{
    core::TagReader<QByteArrayView> reader(window, reading);
    std::optional<TagSpan> last;
    while (std::optional<TagSpan> span = reader.next())
        if (span->from < window.size()) // the empty content after a script's start tag is no span of its own
            last = std::move(span);
    return last;
}

} // namespace

Offer offerForTyped(const TypingStretch &s)
{
    if (s.caret < 1 || s.caret > s.text.size())
        return Offer::Nothing;
    const char typed = s.text[s.caret - 1];
    if (typed != '<' && typed != '&')
        return Offer::Nothing;
    const QByteArrayView before = s.text.first(s.caret - 1);
    core::TagReading reading = s.reading;
    reading.parts = core::TagParts::Attributes;
    const std::optional<TagSpan> last = lastSpan(before, reading);
    const bool inText = !last || last->complete;
    if (typed == '<')
        return inText ? Offer::ElementNames : Offer::Nothing;
    const bool inValue = last && last->kind == TagSpan::StartTag && !last->complete && !last->attributes.empty() &&
                         last->attributes.back().valueFrom >= 0 && last->attributes.back().valueTo == before.size();
    return inText || inValue ? Offer::EntityNames : Offer::Nothing;
}

QByteArray endTagForTypedGt(const TypingStretch &s)
{
    if (s.caret < 1 || s.caret > s.text.size() || s.text[s.caret - 1] != '>')
        return {};
    const QByteArrayView before = s.text.first(s.caret);
    const std::optional<TagSpan> last = lastSpan(before, s.reading);
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
