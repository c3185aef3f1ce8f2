// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_check.h"

#include "core/utf8.h"

#include <algorithm>

namespace markup {

std::vector<Finding> checkPage(QByteArrayView text, const PageFacts &facts)
{
    std::vector<Finding> all;
    const auto add = [&all](std::vector<Finding> more) { all.insert(all.end(), more.begin(), more.end()); };
    const auto stopped = [&facts] { return facts.cancelled && facts.cancelled(); };
    const auto reached = [&facts](int percent) {
        if (facts.progress)
            facts.progress(percent);
    };
    // The markup checker takes most of the time; it reports its own share, from 20 % on.
    add(encodingFindings(text, facts.encoding));
    reached(5);
    add(fullWidthFindings(text));
    reached(15);
    add(fileFindings(text, facts.path));
    reached(20);
    if (stopped())
        return {};
    add(markupFindings(text, facts));
    if (stopped())
        return {};
    reached(100);
    std::stable_sort(all.begin(), all.end(), [](const Finding &a, const Finding &b) { return a.from < b.from; });
    return all;
}

QByteArray withFixes(QByteArrayView text, const std::vector<CheckFix> &fixes)
{
    QByteArray out;
    out.reserve(text.size());
    qsizetype at = 0;
    for (const CheckFix &f : fixes) {
        out.append(text.sliced(at, f.from - at));
        out.append(f.bytes);
        at = f.to;
    }
    out.append(text.sliced(at));
    return out;
}

LineIndex::LineIndex(QByteArrayView text) : text_(text)
{
    starts_.push_back(0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            starts_.push_back(i + 1);
    }
}

qsizetype LineIndex::lineEnd(qsizetype line) const
{
    if (line + 1 >= lineCount())
        return text_.size();
    qsizetype end = starts_[size_t(line + 1)] - 1;
    if (end > starts_[size_t(line)] && text_[end] == '\n' && text_[end - 1] == '\r')
        --end;
    return end;
}

namespace {

/// Bytes the caret steps over at the position: a whole character, or one raw byte.
qsizetype stepAt(QByteArrayView text, qsizetype at)
{
    const core::Utf8Sequence s = core::readUtf8(reinterpret_cast<const uchar *>(text.data()) + at, text.size() - at);
    return s.caretCharacter() ? s.length : 1;
}

} // namespace

LineColumn LineIndex::placeOf(qsizetype position) const
{
    position = std::clamp<qsizetype>(position, 0, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    const qsizetype line = qsizetype(after - starts_.begin()) - 1;
    const bool onward = lastPlace_.line == line && lastPosition_ <= position;
    qsizetype column = onward ? lastPlace_.column : 0;
    qsizetype at = onward ? lastPosition_ : starts_[size_t(line)];
    for (; at < position; at += stepAt(text_, at))
        ++column;
    lastPlace_ = {line, column};
    lastPosition_ = at;
    return {line, column};
}

qsizetype LineIndex::positionOf(LineColumn place) const
{
    const qsizetype line = std::clamp<qsizetype>(place.line, 0, lineCount() - 1);
    const qsizetype end = lineEnd(line);
    const bool onward = lastPlace_.line == line && lastPlace_.column <= place.column && lastPosition_ <= end;
    qsizetype at = onward ? lastPosition_ : starts_[size_t(line)];
    qsizetype column = onward ? lastPlace_.column : 0;
    for (; column < place.column && at < end; ++column)
        at = std::min(end, at + stepAt(text_, at));
    lastPlace_ = {line, column};
    lastPosition_ = at;
    return at;
}

} // namespace markup
