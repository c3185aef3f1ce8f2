// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_match.h"

namespace core {

std::optional<TagPair> matchingTags(QByteArrayView window, const TagReading &reading, qsizetype at)
{
    // The tags of that name in the window, in order, the one at `at` among them.
    std::vector<TagSpan> found;
    qsizetype mine = -1;
    QByteArrayView name;
    TagReading ends = reading;
    ends.parts = TagParts::Ends;
    TagReader<QByteArrayView> reader(window, ends);
    while (std::optional<TagSpan> span = reader.next()) {
        if (span->from == at) {
            if (!span->isTag() || span->selfClosed)
                return std::nullopt;
            name = span->name(window);
            // The tags of this name before it are all in `found` with others: keep only those.
            std::erase_if(found, [&](const TagSpan &t) { return !t.named(window, name); });
            mine = qsizetype(found.size());
        } else if (!span->isTag() || span->selfClosed || (mine >= 0 && !span->named(window, name))) {
            continue;
        }
        found.push_back(std::move(*span));
    }
    if (mine < 0)
        return std::nullopt;
    const bool closing = found[mine].kind == TagSpan::EndTag;
    int depth = 0;
    if (!closing) {
        for (auto it = found.begin() + mine; it != found.end(); ++it)
            if ((depth += it->kind == TagSpan::EndTag ? -1 : 1) == 0)
                return TagPair{found[mine], *it};
    } else {
        for (auto it = found.rbegin() + (qsizetype(found.size()) - 1 - mine); it != found.rend(); ++it)
            if ((depth += it->kind == TagSpan::EndTag ? 1 : -1) == 0)
                return TagPair{*it, found[mine]};
    }
    return std::nullopt;
}

} // namespace core
