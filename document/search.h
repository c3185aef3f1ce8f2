// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the editor's text: plain functions over its UTF-8 buffer, positions in bytes.
#pragma once

#include "windowed_regex.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace document {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool regex = false;
};

/// A match and what replaces it (UTF-8).
struct Replacement {
    Span span;
    QByteArray bytes;
};

/// One pattern with its options, applied to stretches of a UTF-8 buffer. A match never starts or
/// ends inside a character: its ends are places the caret can stand (core::isCharacterStart).
/// Plain patterns are looked for in the bytes themselves; regular expressions (and a pattern looked
/// for in any case that has letters with a case beyond ASCII) run over the text decoded a window at
/// a time, with what a run over the whole decoded text would find.
class TextSearch {
public:
    TextSearch(const QString &pattern, SearchOptions options, RegexWindows windows = {});

    /// False for an empty pattern or an invalid regular expression.
    bool valid() const { return error_.isEmpty() && !pattern_.isEmpty(); }
    /// The regular expression's own message when it is invalid.
    QString error() const { return error_; }

    /// The first match starting at or after `from` and ending at or before `limit`.
    Span next(QByteArrayView text, qsizetype from, qsizetype limit) const;
    /// The last match starting at or after `floor` and before `before`, ending at or before `limit`.
    Span previous(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const;
    /// The matches in [from, to), one after the other, at most `cap` of them.
    std::vector<Span> all(QByteArrayView text, qsizetype from, qsizetype to, qsizetype cap) const;
    /// What replaces the match, as UTF-8: `with` itself, or for a regular expression `with` with
    /// \0…\9 and $0…$99 standing for the groups, \\ and $$ for themselves, \t \n \r as in C.
    QByteArray replacement(QByteArrayView text, Span match, const QString &with) const;
    /// The matches in [from, to), at most `cap`, each with what replaces it.
    std::vector<Replacement> replacements(QByteArrayView text, qsizetype from, qsizetype to, const QString &with,
                                          qsizetype cap) const;

private:
    Span nextInBytes(QByteArrayView text, qsizetype from, qsizetype limit) const;
    Span previousInBytes(QByteArrayView text, qsizetype floor, qsizetype before, qsizetype limit) const;
    bool acceptable(QByteArrayView text, qsizetype from, qsizetype to) const;

    QString pattern_;
    SearchOptions options_;
    QString error_;
    QByteArray needle_;  // the pattern's bytes (folded to lower case when the case does not count)
    bool foldAscii_ = false;
    WindowedRegex regex_;
    bool useRegex_ = false; // otherwise the bytes are searched
};

} // namespace document
