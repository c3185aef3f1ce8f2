// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a page: plain functions over the editor's UTF-8 buffer that return findings, each with
// where it is (a byte range of the buffer), what is wrong and, when there is one obvious fix, the
// bytes that fix it. They touch no widget, so they run on a copy of the text away from the UI.
#pragma once

#include "core/encodings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace markup {

/// Bytes [from, to) of the buffer become `bytes`.
struct CheckFix {
    qsizetype from = 0, to = 0;
    QByteArray bytes;
    friend bool operator==(const CheckFix &, const CheckFix &) = default;
};

struct Finding {
    enum Kind : quint8 {
        Markup,      // what the markup checker (libtidy) reports
        Unparsable,  // the markup checker could not read the page at all
        FullWidth,   // full-width punctuation where markup, a style rule or code needs ASCII
        Encoding,    // a declaration that disagrees with the encoding the page is saved in
        MissingFile, // a local reference to a file that is not there
        ImageSize,   // an <img> whose width or height differs from its file's
    };
    Kind kind = Markup;
    qsizetype from = 0, to = 0;
    QString message;
    std::optional<CheckFix> fix;
};

/// What the checks need to know beyond the text.
struct PageFacts {
    core::Encoding encoding = core::Encoding::Gb18030; // what the page will be saved in
    QString path; // the page's file (absolute); empty for a document never saved
    /// Asked now and then; true ends the check early (its result is thrown away).
    std::function<bool()> cancelled;
    /// Told now and then how far the check has come, in percent.
    std::function<void(int percent)> progress;
};

/// Every finding of every check, in the order of their positions.
std::vector<Finding> checkPage(QByteArrayView text, const PageFacts &facts);

// The checks one by one.
/// Asks facts.cancelled and tells facts.progress as it reads; a page nested deeper than
/// DeepestNesting gives one Unparsable finding instead.
std::vector<Finding> markupFindings(QByteArrayView text, const PageFacts &facts = {});
/// Elements left open inside each other beyond this are more than the markup checker's recursive
/// reader can take (its stack runs out near 100 000 on a thread of 8 MB, and its time grows with
/// the square of the depth).
inline constexpr int DeepestNesting = 10'000;
std::vector<Finding> fullWidthFindings(QByteArrayView text);
std::vector<Finding> encodingFindings(QByteArrayView text, core::Encoding encoding);
/// Local references to files that are not there and images of another size; nothing without a page path.
std::vector<Finding> fileFindings(QByteArrayView text, const QString &pagePath);

/// The text with the fixes made (ascending, not overlapping).
QByteArray withFixes(QByteArrayView text, const std::vector<CheckFix> &fixes);

/// A place as the editor counts it: line and column from 0, the column in characters as the caret
/// steps over them (a raw byte is one); CR LF, CR and LF end a line.
struct LineColumn {
    qsizetype line = 0, column = 0;
    friend bool operator==(const LineColumn &, const LineColumn &) = default;
};

/// The lines of a text, for turning byte positions into places and back.
class LineIndex {
public:
    explicit LineIndex(QByteArrayView text);
    LineColumn placeOf(qsizetype position) const;
    /// The byte position of the place; a column past the line's end stops at the end.
    qsizetype positionOf(LineColumn place) const;
    qsizetype lineCount() const { return qsizetype(starts_.size()); }

private:
    QByteArrayView text_;
    std::vector<qsizetype> starts_;
    qsizetype lineEnd(qsizetype line) const;
    /// The last place asked for: the next one on its line further on is counted from there, so
    /// that places asked in order along a long line cost the line's length once, not each time.
    mutable LineColumn lastPlace_;
    mutable qsizetype lastPosition_ = 0;
};

} // namespace markup
