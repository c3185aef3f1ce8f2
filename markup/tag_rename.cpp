// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_rename.h"

#include "core/tag_match.h"

namespace markup {
namespace {

/// How far before an edit its tag's '<' is looked for: longer names are no names anyone edits.
constexpr qsizetype NameReach = 256;

bool isNameChar(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == ':' || c == '.';
}

/// The start or end tag whose name holds [from, to) (its ends included), and its '<'.
std::optional<core::TagSpan> tagAroundName(QByteArrayView text, qsizetype from, qsizetype to, qsizetype *lt)
{
    if (from < 1 || from > to || to > text.size())
        return std::nullopt;
    const qsizetype reachFrom = std::max<qsizetype>(0, from - NameReach);
    *lt = text.sliced(reachFrom, from - reachFrom).lastIndexOf('<');
    if (*lt < 0)
        return std::nullopt;
    *lt += reachFrom;
    std::optional<core::TagSpan> tag = core::readTag(text, *lt, core::TagParts::Ends);
    if (!tag || !tag->isTag() || from < tag->nameFrom || to > tag->nameTo)
        return std::nullopt;
    // A '<' before its end: a tag begun in the text ("<a" typed before "x</a>") reads as running
    // on to the next tag's '>', and renaming would reach an end tag the user never paired with it.
    if (!tag->complete || text.sliced(tag->nameTo, tag->to - tag->nameTo).contains('<'))
        return std::nullopt;
    return tag;
}

} // namespace

bool mayEditTagName(QByteArrayView text, qsizetype from, qsizetype to, QStringView typed)
{
    for (const QChar c : typed)
        if (!isNameChar(c.unicode()))
            return false;
    qsizetype lt = 0;
    return tagAroundName(text, from, to, &lt).has_value();
}

std::optional<PairedName> pairedNameAt(const TypingStretch &s, qsizetype from, qsizetype to)
{
    qsizetype lt = 0;
    if (!tagAroundName(s.text, from, to, &lt))
        return std::nullopt;
    const std::optional<core::TagPair> pair = core::matchingTags(s.text, s.reading, lt);
    if (!pair)
        return std::nullopt;
    const core::TagSpan &other = pair->start.from == lt ? pair->end : pair->start;
    return PairedName{.tagFrom = s.start + lt,
                      .otherFrom = s.start + other.nameFrom,
                      .otherTo = s.start + other.nameTo,
                      .otherAfter = other.from > lt};
}

std::optional<Rename> renameAfterEdit(const TypingStretch &s, const PairedName &p, qint64 grown)
{
    const qsizetype lt = qsizetype(p.tagFrom - s.start);
    const qint64 shift = p.otherAfter ? grown : 0;
    const qsizetype otherFrom = qsizetype(p.otherFrom + shift - s.start), otherTo = qsizetype(p.otherTo + shift - s.start);
    if (lt < 0 || lt >= s.text.size() || otherFrom < 1 || otherTo > s.text.size())
        return std::nullopt;
    const std::optional<core::TagSpan> tag = core::readTag(s.text, lt, core::TagParts::Ends);
    if (!tag || !tag->isTag())
        return std::nullopt;
    // A name holding a '<' runs on into the next tag or is written by the server: none to copy.
    const QByteArrayView name = tag->name(s.text);
    if (name.contains('<') || s.text.sliced(otherFrom, otherTo - otherFrom) == name)
        return std::nullopt;
    return Rename{.from = s.start + otherFrom, .to = s.start + otherTo, .name = name.toByteArray()};
}

} // namespace markup
