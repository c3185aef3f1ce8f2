// SPDX-License-Identifier: GPL-3.0-or-later
// What a recovery copy holds on disk: a base text (the editor's buffer at one moment, raw bytes
// as they are carried) with the document's encoding and file, sealed by a checksum, followed by
// the changes made since, appended one record at a time, each sealed by a checksum chained to the
// one before. Reading replays the changes and stops at the first that is cut short or damaged:
// the text as of some moment, never a mix. Bytes only: no files, no widgets.
#pragma once

#include "core/encodings.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace document {

/// What a copy holds besides the text.
struct CopyHeader {
    core::Encoding encoding = core::Encoding::Gb18030;
    QString path; // the document's file (absolute); empty for a document never saved
    bool operator==(const CopyHeader &) const = default;
};

/// A text kept with a gap at its last change, so that changes near each other move little.
class GapText {
public:
    GapText() = default;
    explicit GapText(QByteArray text) : storage_(std::move(text)), gapFrom_(storage_.size()), gapTo_(storage_.size()) {}

    qsizetype size() const { return storage_.size() - (gapTo_ - gapFrom_); }
    /// Removes `removed` bytes at the position and puts `inserted` there; false, and nothing
    /// changed, when the range lies outside the text.
    bool replace(qint64 position, qint64 removed, QByteArrayView inserted);
    /// The text before and after the gap.
    QByteArrayView front() const { return QByteArrayView(storage_).first(gapFrom_); }
    QByteArrayView back() const { return QByteArrayView(storage_).sliced(gapTo_); }
    /// The whole text in one piece; the object is left empty.
    QByteArray take();

private:
    void moveGap(qsizetype to);

    QByteArray storage_;
    qsizetype gapFrom_ = 0, gapTo_ = 0;
};

/// What comes before the base text: the format's line, the header, the text's size.
QByteArray copyHead(const CopyHeader &header, qsizetype baseSize);
/// The checksum that seals a head and base (and starts the chain of the changes' checksums).
QByteArray sealOf(QByteArrayView head, QByteArrayView front, QByteArrayView back = {});
/// A copy with no changes after its base.
QByteArray encodeCopy(const CopyHeader &header, QByteArrayView buffer);

/// One change: at `position`, `removed` bytes taken out and `inserted` put in.
struct Change {
    qint64 position = 0, removed = 0;
    QByteArrayView inserted;
};
/// Appends the change to a run of changes (as the editor reports them, before they are sealed).
void appendChange(QByteArray &changes, const Change &change);
/// Takes the next change off the front of a run; false when none is left whole.
bool takeChange(QByteArrayView &changes, Change &change);
/// The run with each change sealed as the copy stores it; `chain` is the checksum before them,
/// and becomes the last one's.
QByteArray sealChanges(QByteArrayView changes, QByteArray &chain);

struct DecodedCopy {
    CopyHeader header;
    QByteArray buffer;
};
/// The text in a copy's bytes, its changes replayed up to the first that is cut short or
/// damaged; none when the base itself is cut short or damaged, or the bytes are no copy at all.
std::optional<DecodedCopy> decodeCopy(QByteArray bytes);

} // namespace document
