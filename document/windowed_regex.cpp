// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowed_regex.h"

#include "core/texts.h"
#include "core/utf8.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

// What the text's raw bytes become in a window: U+10FF80..U+10FFFF, the last 128 code points of
// the last private-use plane, one for each byte 0x80..0xFF.
constexpr char32_t FirstPlaceholder = 0x10FF80;

/// How many characters before a position the expression may read: a lookbehind assertion's
/// branches have fixed lengths of at most 65 535 characters; ^ and \b read a CR LF at most.
qsizetype lookBehindOf(const QString &expression)
{
    const bool far = expression.contains(u"(?<="_s) || expression.contains(u"(?<!"_s) || expression.contains(u"(*"_s);
    return far ? 65535 + 2 : 2;
}

/// Whether a match can depend on where the search started (\G), or a verb such as (*COMMIT)
/// can end the whole search: then windows only grow, from the search's own start.
bool slides(const QString &expression) { return !expression.contains(u"\\G"_s) && !expression.contains(u"(*"_s); }

/// The expression with each escaped raw byte replaced by its placeholder.
QString withPlaceholders(const QString &expression)
{
    QString out;
    out.reserve(expression.size());
    for (qsizetype i = 0; i < expression.size(); ++i) {
        const char16_t c = expression.at(i).unicode();
        const bool paired = i > 0 && QChar::isHighSurrogate(expression.at(i - 1).unicode());
        if (c >= 0xDC80 && c <= 0xDCFF && !paired) {
            const char32_t p = FirstPlaceholder + (c - 0xDC80);
            out += QChar(QChar::highSurrogate(p));
            out += QChar(QChar::lowSurrogate(p));
        } else {
            out += QChar(c);
        }
    }
    return out;
}

/// The start of the sequence after the one at `position`.
qsizetype afterSequence(QByteArrayView text, qsizetype position)
{
    position = core::sequenceStart(text, position);
    const core::Utf8Sequence s = core::readUtf8(reinterpret_cast<const uchar *>(text.data()) + position, text.size() - position);
    return position + std::max(1, s.length);
}

qsizetype saturatedDouble(qsizetype n) { return n > RegexWindows::All / 2 ? RegexWindows::All : n * 2; }

} // namespace

/// A stretch of the buffer decoded for the expression, with its positions mapped both ways
/// through a mark every few dozen code units.
class DecodedWindow {
public:
    explicit DecodedWindow(QByteArrayView text) : text_(text), bytes_(reinterpret_cast<const uchar *>(text.data())) {}

    /// Decodes [from, to); both are sequence starts. No match of the last window may be alive.
    void decode(qsizetype from, qsizetype to)
    {
        const qsizetype room = 2 * (to - from); // a raw byte takes two units
        if (units_.capacity() < room)
            units_ = QString(room, Qt::Uninitialized); // nothing of the last window to copy
        else
            units_.resize(room);
        char16_t *out = reinterpret_cast<char16_t *>(units_.data());
        marks_.assign(1, {0, from});
        qsizetype u = 0, b = from;
        while (b < to) {
            if (u - marks_.back().unit >= MarkEvery)
                marks_.push_back({u, b});
            if (bytes_[b] < 0x80) {
                out[u++] = bytes_[b++];
                continue;
            }
            const core::Utf8Sequence s = core::readUtf8(bytes_ + b, text_.size() - b);
            const char32_t c = s.length == 0 ? FirstPlaceholder + (bytes_[b] - 0x80) : s.codePoint;
            if (c >= 0x10000) {
                out[u++] = QChar::highSurrogate(c);
                out[u++] = QChar::lowSurrogate(c);
            } else {
                out[u++] = char16_t(c);
            }
            b += std::max(1, s.length);
        }
        units_.resize(u);
        end_ = to;
    }

    const QString &units() const { return units_; }

    /// The code unit at which the byte's sequence starts, or the next one when it is inside one.
    qsizetype unitOf(qsizetype byte) const { return walkTo(byte, &Mark::byte).unit; }
    qsizetype byteOf(qsizetype unit) const { return walkTo(unit, &Mark::unit).byte; }

    QByteArrayView text() const { return text_; }

private:
    static constexpr qsizetype MarkEvery = 64;
    struct Mark {
        qsizetype unit, byte;
    };

    /// From the last mark at or before the position (a unit or a byte, as `key` says) on to it.
    Mark walkTo(qsizetype position, qsizetype Mark::*key) const
    {
        Mark at = *std::prev(std::upper_bound(marks_.begin(), marks_.end(), position,
                                              [key](qsizetype p, const Mark &m) { return p < m.*key; }));
        while (at.*key < position && at.byte < end_)
            step(at.unit, at.byte);
        return at;
    }

    /// Over one sequence: a raw byte is two units (its placeholder), a character beyond the BMP too.
    void step(qsizetype &unit, qsizetype &byte) const
    {
        const core::Utf8Sequence s = core::readUtf8(bytes_ + byte, text_.size() - byte);
        unit += s.length == 0 || s.length == 4 ? 2 : 1;
        byte += std::max(1, s.length);
    }

    QByteArrayView text_;
    const uchar *bytes_;
    QString units_;
    std::vector<Mark> marks_;
    qsizetype end_ = 0;
};

QString WindowedRegex::Match::captured(int group) const
{
    if (m_.capturedStart(group) < 0)
        return {};
    const qsizetype from = w_.byteOf(m_.capturedStart(group)), to = w_.byteOf(m_.capturedEnd(group));
    return core::editorBytesToText(w_.text().data() + from, to - from);
}

WindowedRegex::WindowedRegex(const QString &expression, bool wholeWord, bool matchCase, RegexWindows windows)
    : windows_(windows), slides_(slides(expression))
{
    // A character takes at most four bytes.
    contextBytes_ = windows.context >= 0 ? windows.context : 4 * lookBehindOf(expression);
    QString p = withPlaceholders(expression);
    // A whole word: neither end of the match falls between two word characters.
    if (wholeWord)
        p = u"(?:(?<!\\w)|(?!\\w))(?:"_s + p + u")(?:(?<!\\w)|(?!\\w))"_s;
    // Lines end at CR LF as well as at a lone CR or LF: "$" before "\r\n", "." never on "\r".
    p.prepend(u"(*ANYCRLF)"_s);
    QRegularExpression::PatternOptions o = QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::MultilineOption;
    if (!matchCase)
        o |= QRegularExpression::CaseInsensitiveOption;
    regex_ = QRegularExpression(p, o);
}

void WindowedRegex::scan(QByteArrayView text, qsizetype from, qsizetype last, const Take &take, After after) const
{
    if (!isValid() || from < 0 || from > text.size())
        return;
    // Where the next window's search starts, and how many of its first matches were handed over
    // already: the empty match a sliding search stopped at (the engine moves on from it), or all
    // of them when windows only grow.
    qsizetype origin = from, skip = 0;
    qsizetype reach = std::max<qsizetype>(1, windows_.first);
    DecodedWindow window(text);
    for (;;) {
        // Some text before the start for lookbehind, ^ and \b; the end at the end of a line when
        // one ends within as much again (an expression that reads to a line's end then needs no
        // second window), else neither inside a character nor between CR and LF (where the
        // engine's step over an empty match differs).
        const qsizetype start = core::sequenceStart(text, origin > contextBytes_ ? origin - contextBytes_ : 0);
        qsizetype end = core::sequenceStart(text, reach >= text.size() - origin ? text.size() : origin + reach);
        if (end <= origin && origin < text.size())
            end = afterSequence(text, origin);
        if (end < text.size()) {
            const auto *lineEnd = static_cast<const char *>(
                std::memchr(text.data() + end, '\n', size_t(std::min(reach, text.size() - end))));
            if (lineEnd)
                end = lineEnd - text.data() + 1;
            else if (text[end - 1] == '\r' && text[end] == '\n')
                ++end;
        }
        const bool whole = end == text.size();
        window.decode(start, end);
        // At the window's end a match may run on: the engine then says so (a partial match)
        // rather than give a match that more text could change, or one that starts later.
        bool open = false;
        qsizetype openFrom = 0; // at or before where the open match starts
        const auto type = whole ? QRegularExpression::NormalMatch : QRegularExpression::PartialPreferFirstMatch;
        // The window is well-formed UTF-16 by its making: no check of it before every search.
        const auto matchOptions = QRegularExpression::DontCheckSubjectStringMatchOption;
        if (after == After::Start) {
            // Each search afresh from the character after the last match's start.
            for (qsizetype at = origin; at <= end;) {
                const QRegularExpressionMatch m = regex_.match(window.units(), window.unitOf(at), type, matchOptions);
                if (m.hasPartialMatch()) {
                    open = true;
                    openFrom = window.byteOf(std::max<qsizetype>(0, m.capturedStart()));
                    break;
                }
                if (!m.hasMatch() && slides_)
                    break; // nothing starts before the window's end
                if (!m.hasMatch()) {
                    at = afterSequence(text, at); // \G or a verb: each start is a search of its own
                    continue;
                }
                const Span span{window.byteOf(m.capturedStart()), window.byteOf(m.capturedEnd())};
                if (!take(Match(m, window, span)))
                    return;
                at = origin = afterSequence(text, span.from);
            }
        } else {
            auto it = regex_.globalMatch(window.units(), window.unitOf(origin), type, matchOptions);
            qsizetype dropped = 0;
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                if (m.hasPartialMatch()) {
                    open = true;
                    openFrom = window.byteOf(std::max<qsizetype>(0, m.capturedStart()));
                    break;
                }
                if (dropped < skip) {
                    ++dropped;
                    continue;
                }
                const Span span{window.byteOf(m.capturedStart()), window.byteOf(m.capturedEnd())};
                if (!take(Match(m, window, span)))
                    return;
                if (slides_) {
                    origin = span.to;
                    skip = dropped = span.from == span.to ? 1 : 0;
                } else {
                    ++skip;
                    ++dropped;
                }
            }
        }
        if (whole || (open ? openFrom > last : end > last))
            return;
        if (open || !slides_) {
            reach = saturatedDouble(std::max(reach, end - origin));
            continue;
        }
        // Nothing starts before the window's end: the search goes on from there.
        if (origin < end) {
            origin = end;
            skip = 0;
        }
        reach = std::min(saturatedDouble(reach), std::max<qsizetype>(1, windows_.largest));
    }
}

Span WindowedRegex::last(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const
{
    // A match may be empty at the text's end, and \G or a verb makes a search depend on its start:
    // then one window from the floor.
    qsizetype end = std::min(before, text.size() + 1);
    qsizetype size = slides_ ? std::max<qsizetype>(1, windows_.first) : RegexWindows::All;
    while (end > floor) {
        const qsizetype start = size >= end - floor ? floor : std::max(floor, core::sequenceStart(text, end - size));
        Span found;
        scan(text, start, end - 1, [&](const Match &m) {
            if (m.span().from >= end)
                return false;
            if (m.span().to <= limit)
                found = m.span();
            return true;
        }, After::Start);
        if (found.found())
            return found;
        end = start;
        size = std::min(saturatedDouble(size), std::max<qsizetype>(1, windows_.largest));
    }
    return {};
}

} // namespace document
