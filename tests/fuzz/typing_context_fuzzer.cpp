// SPDX-License-Identifier: GPL-3.0-or-later
// The typing help's context reader on any text and any caret, with some markup starts refused as
// the lexer refuses them: it answers without reading outside the text, and what it would insert
// is an end tag or a name and '>' taken from the text before the caret.
#include "fuzz_check.h"
#include "markup/tag_rename.h"
#include "markup/typing_context.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {

bool isName(QByteArrayView n)
{
    if (n.isEmpty())
        return false;
    for (char c : n)
        if (c == '<' || c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const quint8 seed = data[0];
    // The text is its own copy, exactly as long as the input: reading past it is caught.
    const QByteArray text(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const qsizetype caret = text.size() * data[1] / 255;
    markup::TypingStretch s{.text = text, .caret = caret};
    if (seed & 1)
        s.reading.startsAt = [seed](core::TagSpan::Kind kind, qsizetype at) { return (at * 7 + kind + seed) % 5 != 0; };

    const QByteArray end = markup::endTagForTypedGt(s);
    if (!end.isEmpty()) {
        FUZZ_CHECK(caret > 0 && text[caret - 1] == '>');
        FUZZ_CHECK(end.startsWith("</") && end.endsWith('>') && isName(end.sliced(2, end.size() - 3)));
        FUZZ_CHECK(text.first(caret).contains("<" + end.sliced(2, end.size() - 3)));
    }
    const QByteArray rest = markup::completionForTypedSlash(s);
    if (!rest.isEmpty()) {
        FUZZ_CHECK(caret > 1 && text.sliced(caret - 2, 2) == "</");
        FUZZ_CHECK(rest.endsWith('>') && isName(rest.chopped(1)));
        FUZZ_CHECK(text.first(caret - 2).contains("<" + rest.chopped(1)));
    }
    const markup::Offer offer = markup::offerForTyped(s);
    // The character each kind of list answers, by the order of the kinds; values answer several.
    static constexpr char TypedFor[] = {0, '<', '&', ' ', 0, ':', '.'};
    static_assert(std::size(TypedFor) == markup::Offer::AspMembers + 1);
    if (offer.kind > markup::Offer::Nothing && offer.kind <= markup::Offer::AspMembers &&
        offer.kind != markup::Offer::AttributeValues)
        FUZZ_CHECK(text[caret - 1] == TypedFor[offer.kind]);
    if (offer.kind == markup::Offer::CssProperties || offer.kind == markup::Offer::AspWords)
        FUZZ_CHECK(offer.entered == 1 && std::isalpha(quint8(text[caret - 1])));
    if (offer.kind == markup::Offer::AttributeValues || offer.kind == markup::Offer::FileNames)
        FUZZ_CHECK(QByteArrayView("=\"'").contains(text[caret - 1]));
    if (offer.kind == markup::Offer::AttributeNames || offer.kind == markup::Offer::AttributeValues)
        FUZZ_CHECK(isName(offer.element) && text.first(caret).contains("<" + offer.element));
    (void)markup::offeredItems(offer);
    if (caret > 0)
        (void)markup::mayOfferForLetter(QByteArrayView(text).first(caret - 1));

    // Reading from a quiet place answers as reading from the start, and goes on doing so after
    // an edit no closer to it than the margin.
    const qsizetype quiet = markup::quietPlace(s, caret - (seed >> 4));
    FUZZ_CHECK(quiet >= 0 && quiet <= std::max<qsizetype>(0, caret - (seed >> 4)));
    auto sameFrom = [&](const markup::TypingStretch &t) {
        markup::TypingStretch q = t;
        q.quietFrom = quiet;
        FUZZ_CHECK(markup::endTagForTypedGt(q) == markup::endTagForTypedGt(t));
        const markup::Offer a = markup::offerForTyped(q), b = markup::offerForTyped(t);
        FUZZ_CHECK(a.kind == b.kind && a.element == b.element && a.attribute == b.attribute && a.written == b.written);
    };
    sameFrom(s);
    if (const qsizetype at = quiet + markup::QuietMargin + (seed & 7); at <= caret) {
        QByteArray edited = text;
        edited.replace(at, (seed >> 3) & 3, text.first(std::min<qsizetype>(text.size(), seed & 7)));
        sameFrom({.text = edited, .caret = std::min(caret, edited.size()), .reading = s.reading});
    }

    // Renaming: an edit of [caret - n, caret) by deletion pairs a tag only when it is in a name,
    // and the rename after it gives the other tag a name that stands in the edited tag.
    const qsizetype from = std::max<qsizetype>(0, caret - (seed >> 6));
    if (const auto pair = markup::pairedNameAt(s, from, caret)) {
        FUZZ_CHECK(markup::mayEditTagName(text, from, caret, {}));
        FUZZ_CHECK(pair->otherFrom < pair->otherTo && pair->otherTo <= text.size());
        QByteArray edited = text;
        edited.remove(from, caret - from);
        if (const auto r = markup::renameAfterEdit({.text = edited}, *pair, from - caret)) {
            FUZZ_CHECK(r->from >= 0 && r->to <= edited.size() && isName(r->name));
            FUZZ_CHECK(edited.sliced(pair->tagFrom).contains(r->name));
        }
    }
    return 0;
}
