// SPDX-License-Identifier: GPL-3.0-or-later
// A regular expression run over the editor's UTF-8 buffer a window at a time: it finds exactly
// what the same expression run over the whole decoded text finds, without decoding the whole text.
#pragma once

#include <QByteArrayView>
#include <QRegularExpression>
#include <QString>

#include <functional>
#include <limits>

namespace document {

/// A stretch of the buffer [from, to); from < 0 when nothing was found.
struct Span {
    qsizetype from = -1, to = -1;
    bool found() const { return from >= 0; }
    friend bool operator==(const Span &, const Span &) = default;
};

/// How much of the buffer is decoded at a time, in bytes.
struct RegexWindows {
    static constexpr qsizetype All = std::numeric_limits<qsizetype>::max();
    qsizetype first = 4 << 10;   // past the start point, in a search's first window
    qsizetype largest = 1 << 20; // windows double up to this while no match runs on past their end
    qsizetype context = -1;      // kept before the start point; -1: as far as the expression looks back
    /// One window over the whole text.
    static constexpr RegexWindows wholeText() { return {All, All, All}; }
};

class DecodedWindow;

/// A regular expression over the editor's buffer. Escaped raw bytes (U+DC80..U+DCFF, which the
/// matching engine refuses) stand for themselves in the expression and in the text: each is one
/// character there, matched by itself, `.` and negated classes, never by a letter class.
class WindowedRegex {
public:
    WindowedRegex() = default;
    /// `expression` as typed (a literal word already escaped); a whole word when `wholeWord`.
    WindowedRegex(const QString &expression, bool wholeWord, bool matchCase, RegexWindows windows);

    bool isValid() const { return regex_.isValid(); }
    QString errorString() const { return regex_.errorString(); }

    /// A match and its groups; only valid while it is being handed over.
    class Match {
    public:
        Match(const QRegularExpressionMatch &m, const DecodedWindow &w, Span span) : m_(m), w_(w), span_(span) {}
        Span span() const { return span_; }
        /// The group's text, read from the buffer's own bytes; empty for a group that took no part.
        QString captured(int group) const;
        int lastGroup() const { return m_.lastCapturedIndex(); }

    private:
        const QRegularExpressionMatch &m_;
        const DecodedWindow &w_;
        Span span_;
    };
    using Take = std::function<bool(const Match &)>;

    /// How a scan goes on after a match: from its end, as QRegularExpression::globalMatch does, or
    /// from the character after its start (every start at which the expression matches).
    enum class After { End, Start };

    /// Hands `take` each match that a search of the whole text from `from` meets, in order, until
    /// `take` returns false or no further match can start at or before `last`.
    void scan(QByteArrayView text, qsizetype from, qsizetype last, const Take &take, After after = After::End) const;
    /// The match that starts last in [floor, before) and ends at or before `limit`, looked for in
    /// windows that step back from `before`.
    Span last(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const;

private:
    QRegularExpression regex_;
    RegexWindows windows_;
    qsizetype contextBytes_ = 0;
    bool slides_ = true; // a window may move on past a stretch without matches
};

} // namespace document
