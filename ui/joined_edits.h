// SPDX-License-Identifier: GPL-3.0-or-later
// Many edits of the editor's text made as one change of the stretch they cover: the stretch's new
// bytes built once, and the positions of the old text carried to where the edits one by one
// would have left them. Bytes and positions only: no widgets.
#pragma once

#include "runtime.h"

#include <QByteArrayView>

#include <vector>

namespace ui {

/// Edits sorted by position, none overlapping another (as a search finds its matches).
using SortedEdits = std::vector<EditorEdit>;

/// What the stretch [first edit's start, last edit's end) of `text` becomes.
QByteArray joinEdits(QByteArrayView text, const SortedEdits &edits);

/// Whether one change of the whole stretch costs less than the edits one by one: each of those
/// costs the editor about as much as a change of JoinedBytesPerEdit bytes (undo record, change
/// notices, line look-ups), while one change costs about its old and new bytes.
bool cheaperJoined(const SortedEdits &edits);
inline constexpr qint64 JoinedBytesPerEdit = 1024;

/// Positions of the old text carried through the edits as the editor carries its caret through
/// them made one by one, front to back: a position inside an edit, or at its end, goes to the
/// edit's start; one at or before an edit's start stays before its new bytes.
class EditShift {
public:
    explicit EditShift(const SortedEdits &edits);
    qint64 map(qint64 position) const;
    /// Whether an edit starts or ends within [from, to], or spans it.
    bool touches(qint64 from, qint64 to) const;

private:
    /// The first edit ending at or after the position.
    size_t firstEndingFrom(qint64 position) const;

    const SortedEdits &edits_;
    std::vector<qint64> shiftBefore_; // the growth of the text by the edits before each
};

} // namespace ui
