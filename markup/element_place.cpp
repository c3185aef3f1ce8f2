// SPDX-License-Identifier: GPL-3.0-or-later
#include "element_place.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

std::optional<Tag> scanTag(QStringView text, qsizetype at)
{
    std::optional<Tag> tag = core::readTag(text, at, core::TagParts::Attributes);
    return tag && tag->complete ? tag : std::nullopt;
}

std::optional<std::pair<qsizetype, qsizetype>> findEndTag(QStringView text, const Tag &start)
{
    const QStringView name = start.name(text);
    core::TagReader<QStringView> reader(text, {}, start.from);
    reader.next(); // the start tag itself
    int depth = 0;
    while (const std::optional<Tag> span = reader.next()) {
        if (!span->complete)
            return std::nullopt;
        if (!span->isTag() || !span->named(text, name))
            continue;
        if (span->kind == Tag::StartTag)
            ++depth;
        else if (depth-- == 0)
            return std::pair{span->from, span->to};
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
    core::TagReader<QStringView> reader(text);
    for (std::optional<Tag> span = reader.next(); span && span->from <= caret; span = reader.next()) {
        if (!span->isTag()) {
            if (caret > span->from && caret < span->to) {
                place.kind = span->kind == Tag::ServerBlock ? CaretPlace::InServerBlock : CaretPlace::InComment;
                return place;
            }
            continue;
        }
        if (!span->complete)
            break; // cut off by the text's end: what follows is all inside it
        const QStringView name = span->name(text);
        const bool under = caret >= span->from && caret < span->to;
        if (span->kind == Tag::EndTag) {
            for (auto it = open.rbegin(); it != open.rend(); ++it)
                if (it->named(text, name)) {
                    if (under)
                        place.container = *it;
                    open.erase(std::prev(it.base()), open.end());
                    break;
                }
            if (under)
                return result();
            endsAtCaret = false;
            continue;
        }
        const bool raw = core::hasRawContent(name);
        if (!under && span->to != caret && !raw && !ownsContent(name)) {
            endsAtCaret = false; // a tag that only has to be stepped over
            continue;
        }
        const Tag tag = *scanTag(text, span->from);
        if (under) {
            place.kind = CaretPlace::InTag;
            place.tag = tag;
            return result();
        }
        endsAtCaret = tag.to == caret;
        if (endsAtCaret)
            endingAtCaret = tag;
        if (raw) {
            // Raw content is not markup: the reader steps over it to its end tag.
            const std::optional<Tag> content = reader.next();
            const std::optional<Tag> end = content->complete ? reader.next() : std::nullopt;
            const qsizetype after = end && end->complete ? end->to : text.size();
            if (caret == tag.to)
                return result(); // just after the start tag: nothing else can start here
            if (caret > tag.to && caret < after) {
                place.container = tag;
                return result();
            }
        } else if (ownsContent(name)) {
            open.push_back(tag);
        }
    }
    return result();
}

} // namespace markup
