// SPDX-License-Identifier: GPL-3.0-or-later
#include "joined_edits.h"

#include "core/memory_release.h"

#include <algorithm>
#include <cstring>

namespace ui {

QByteArray joinEdits(QByteArrayView text, const SortedEdits &edits)
{
    if (edits.empty())
        return {};
    qsizetype size = 0;
    for (qint64 at = edits.front().from; const EditorEdit &e : edits) {
        size += qsizetype(e.from - at) + e.bytes.size();
        at = e.to;
    }
    QByteArray out(size, Qt::Uninitialized);
    core::adviseHugePages(out.data(), size); // written once, front to back: fewer page faults
    char *w = out.data();
    for (qint64 at = edits.front().from; const EditorEdit &e : edits) {
        std::memcpy(w, text.data() + at, size_t(e.from - at));
        w += e.from - at;
        std::memcpy(w, e.bytes.constData(), size_t(e.bytes.size()));
        w += e.bytes.size();
        at = e.to;
    }
    return out;
}

bool cheaperJoined(const SortedEdits &edits)
{
    if (edits.size() < 2)
        return false;
    qint64 grown = 0;
    for (const EditorEdit &e : edits)
        grown += e.bytes.size() - (e.to - e.from);
    const qint64 old = edits.back().to - edits.front().from;
    return 2 * old + grown <= qint64(edits.size()) * JoinedBytesPerEdit;
}

EditShift::EditShift(const SortedEdits &edits) : edits_(edits)
{
    shiftBefore_.reserve(edits.size());
    qint64 shift = 0;
    for (const EditorEdit &e : edits) {
        shiftBefore_.push_back(shift);
        shift += e.bytes.size() - (e.to - e.from);
    }
    shiftBefore_.push_back(shift);
}

size_t EditShift::firstEndingFrom(qint64 position) const
{
    return size_t(std::lower_bound(edits_.begin(), edits_.end(), position,
                                   [](const EditorEdit &e, qint64 p) { return e.to < p; }) -
                  edits_.begin());
}

qint64 EditShift::map(qint64 position) const
{
    const size_t i = firstEndingFrom(position);
    if (i < edits_.size() && edits_[i].from < position)
        return edits_[i].from + shiftBefore_[i];
    return position + shiftBefore_[i];
}

bool EditShift::touches(qint64 from, qint64 to) const
{
    const size_t i = firstEndingFrom(from);
    return i < edits_.size() && edits_[i].from <= to;
}

} // namespace ui
